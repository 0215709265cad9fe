#pragma once
// Sets (or, with nullptr, removes) an environment variable for one test and
// restores it afterwards.
#include <QByteArray>
#include <QtGlobal>

#include <cstddef>

class Umgebung
{
public:
    Umgebung(const char* name, const QByteArray& wert)
        : name_(name), alt_(qgetenv(name)), hatte_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, wert);
    }
    Umgebung(const char* name, std::nullptr_t)
        : name_(name), alt_(qgetenv(name)), hatte_(qEnvironmentVariableIsSet(name))
    {
        qunsetenv(name);
    }
    ~Umgebung()
    {
        if (hatte_)
            qputenv(name_, alt_);
        else
            qunsetenv(name_);
    }
    Umgebung(const Umgebung&) = delete;
    Umgebung& operator=(const Umgebung&) = delete;

private:
    const char* name_;
    QByteArray alt_;
    bool hatte_;
};
