#pragma once
// A fresh, empty home folder for one test program or case: HOME and
// XDG_CONFIG_HOME point into a temporary folder while the object lives, and
// are set back afterwards. The program then finds no settings and makes its
// first start there.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

class Frisches_Heim
{
public:
    Frisches_Heim()
        : alt_home_(qgetenv("HOME")), alt_config_(qgetenv("XDG_CONFIG_HOME")),
          config_gesetzt_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", QFile::encodeName(ordner_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(ordner_.filePath(QStringLiteral(".config"))));
    }
    ~Frisches_Heim()
    {
        qputenv("HOME", alt_home_);
        if (config_gesetzt_)
            qputenv("XDG_CONFIG_HOME", alt_config_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    Frisches_Heim(const Frisches_Heim&) = delete;
    Frisches_Heim& operator=(const Frisches_Heim&) = delete;

    bool isValid() const { return ordner_.isValid(); }
    QString path() const { return ordner_.path(); }
    QString filePath(const QString& name) const { return ordner_.filePath(name); }

private:
    QTemporaryDir ordner_;
    QByteArray alt_home_;
    QByteArray alt_config_;
    bool config_gesetzt_;
};
