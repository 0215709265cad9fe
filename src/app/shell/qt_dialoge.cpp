#include "app/shell/qt_dialoge.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace
{

QWidget* elternfenster()
{
    return QApplication::activeWindow();
}

QMessageBox::StandardButton qt_knopf(Antwort a)
{
    switch (a) {
    case Antwort::Ok:
        return QMessageBox::Ok;
    case Antwort::Ja:
        return QMessageBox::Yes;
    case Antwort::Nein:
        return QMessageBox::No;
    case Antwort::Abbrechen:
        return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Antwort antwort(int knopf)
{
    switch (knopf) {
    case QMessageBox::Yes:
        return Antwort::Ja;
    case QMessageBox::No:
        return Antwort::Nein;
    case QMessageBox::Cancel:
        return Antwort::Abbrechen;
    default:
        return Antwort::Ok;
    }
}

std::optional<Dateiwahl> dateidialog(const Dateidialog& d, bool speichern)
{
    QFileDialog dlg(elternfenster(), d.titel);
    dlg.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks its own overwrite question.
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filter = Qt_Filter(d.filter);
    if (!filter.isEmpty()) {
        dlg.setNameFilters(filter);
        const int i = std::clamp(d.filter_index, 1, int(filter.size())) - 1;
        dlg.selectNameFilter(filter.at(i));
    }
    if (!d.standard_endung.isEmpty())
        dlg.setDefaultSuffix(d.standard_endung);
    if (!d.verzeichnis.trimmed().isEmpty())
        dlg.setDirectory(d.verzeichnis);
    if (!d.dateiname.isEmpty())
        dlg.selectFile(d.dateiname);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    Dateiwahl w;
    w.pfad = dlg.selectedFiles().constFirst();
    w.filter_index = int(filter.indexOf(dlg.selectedNameFilter())) + 1;
    if (w.filter_index < 1)
        w.filter_index = 1;
    return w;
}

} // namespace

QStringList Qt_Filter(const QString& filter)
{
    QStringList aus;
    const QStringList teile = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < teile.size(); i += 2) {
        QString muster = teile.at(i + 1);
        muster.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString& text = teile.at(i);
        // A text that already names its pattern ("Exceldatei (*.xls)") is
        // shown as it is; otherwise the dialog would show the pattern twice.
        if (text.trimmed().endsWith(QStringLiteral("(%1)").arg(muster)))
            aus << text.trimmed();
        else
            aus << QStringLiteral("%1 (%2)").arg(text, muster);
    }
    return aus;
}

Antwort Qt_Dialoge::meldung(Symbol symbol, Knoepfe knoepfe, const QString& text, const QString& titel,
                            Antwort standard)
{
    QMessageBox box(elternfenster());
    box.setWindowTitle(titel);
    QString t = text;
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(t);
    switch (symbol) {
    case Symbol::Warnung:
        box.setIcon(QMessageBox::Warning);
        break;
    case Symbol::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Symbol::Frage:
        box.setIcon(QMessageBox::Question);
        break;
    case Symbol::Fehler:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (knoepfe) {
    case Knoepfe::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Knoepfe::JaNein:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Knoepfe::JaNeinAbbrechen:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Knoepfe::OkAbbrechen:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(qt_knopf(standard));
    return antwort(box.exec());
}

std::optional<Dateiwahl> Qt_Dialoge::datei_oeffnen(const Dateidialog& dialog)
{
    return dateidialog(dialog, false);
}

std::optional<Dateiwahl> Qt_Dialoge::datei_speichern(const Dateidialog& dialog)
{
    return dateidialog(dialog, true);
}

std::optional<int32_t> Qt_Dialoge::farbe_waehlen(int32_t farbe)
{
    const QColor start(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF);
    const QColor c = QColorDialog::getColor(start, elternfenster());
    if (!c.isValid())
        return std::nullopt;
    return int32_t(c.red()) + 256 * int32_t(c.green()) + 65536 * int32_t(c.blue());
}
