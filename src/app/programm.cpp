#include "app/programm.h"

#include "app/unit1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>

Programm::Programm()
{
    // Qt's own buttons and dialogs speak German, whatever the system language.
    if (uebersetzung_.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&uebersetzung_);
    QApplication::setApplicationName(QStringLiteral("vazozez"));
    QApplication::setApplicationDisplayName(QString());
    dialoge_setzen(&dialoge_);
}

Programm::~Programm()
{
    form1_.reset();
    dialoge_setzen(nullptr);
}

void Programm::starten()
{
    form1_ = std::make_unique<TForm1>();
    form1_->FormCreate();
    form1_->show();
}
