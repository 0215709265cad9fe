<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>Referenztabellenfenster</name>
    <message>
        <location filename="../../src/app/results/tabelle_referenz.cpp" line="+26"/>
        <location line="+10"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>TAudiogramm_Form</name>
    <message>
        <location filename="../../src/app/results/audiogramm_unit.cpp" line="+24"/>
        <source>Audiogramm</source>
        <translation>Audiogram</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Bericht speichern</source>
        <translation>Save report</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Werte exportieren</source>
        <translation>Export values</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>&lt;b&gt;Mittelwert 500–4000 Hz (WHO 2021)&lt;/b&gt;&lt;br&gt;Linkes Ohr: %1&lt;br&gt;Rechtes Ohr: %2</source>
        <extracomment>%1, %2: the four-frequency average and grade of the left and right ear</extracomment>
        <translation>&lt;b&gt;Average 500–4000 Hz (WHO 2021)&lt;/b&gt;&lt;br&gt;Left ear: %1&lt;br&gt;Right ear: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kalibrierung links: %1&lt;br&gt;Kalibrierung rechts: %2</source>
        <translation>Calibration left: %1&lt;br&gt;Calibration right: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Links dB</source>
        <extracomment>&quot;Abw.&quot;: deviation from the normal hearing threshold</extracomment>
        <translation>Left dB</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Abw.</source>
        <translation>Dev.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rechts dB</source>
        <translation>Right dB</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>PDF-Dokument (*.pdf)|*.pdf</source>
        <extracomment>Save-dialog filter: name (pattern)|pattern</extracomment>
        <translation>PDF document (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CSV-Datei (Semikolon getrennt) (*.csv)|*.csv</source>
        <extracomment>Save-dialog filter: name (pattern)|pattern</extracomment>
        <translation>CSV file (semicolon-separated) (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <location filename="../../src/app/results/testergebnis_unit.cpp" line="+53"/>
        <source>Ergebnisse des Hörtests</source>
        <translation>Hearing test results</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <location filename="../../src/app/tones/alle_wave.cpp" line="+30"/>
        <source>Vazozez Vorbereitung</source>
        <extracomment>Title of the notice shown while the tone files are written</extracomment>
        <translation>Vazozez preparation</translation>
    </message>
</context>
<context>
    <name>TForm_Norm_Tab</name>
    <message>
        <location filename="../../src/app/results/tabelle_norm_unit.cpp" line="+5"/>
        <source>Normhörschwelle (Interpolation aus Daten der ISO 226:2003)</source>
        <translation>Normal hearing threshold (interpolated from ISO 226:2003 data)</translation>
    </message>
</context>
<context>
    <name>TForm_NulldBA_Tab</name>
    <message>
        <location filename="../../src/app/results/tabelle_nulldba_unit.cpp" line="+4"/>
        <source>0-dB(A)-Werte</source>
        <translation>0 dB(A) values</translation>
    </message>
</context>
<context>
    <name>THoerschwelle_Schaubild_Form</name>
    <message>
        <location filename="../../src/app/results/schaubild_unit.cpp" line="+50"/>
        <source>Hörschwelle</source>
        <translation>Hearing threshold</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Schaubilder</source>
        <translation>Charts</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Linkes Ohr (dB)</source>
        <translation>Left ear (dB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rechtes Ohr (dB)</source>
        <translation>Right ear (dB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normhörschwelle (dB)</source>
        <translation>Normal hearing threshold (dB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>0-dB(A)-Kurve (dB)</source>
        <translation>0 dB(A) curve (dB)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Einheiten</source>
        <translation>Units</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Schallpegel:</source>
        <translation>Sound level:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Frequenz:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Schaubilder speichern</source>
        <translation>Save charts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Fadenkreuz löschen</source>
        <translation>Clear crosshair</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fadenkreuz:</source>
        <translation>Crosshair:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>aus</source>
        <extracomment>The crosshair is off.</extracomment>
        <translation>off</translation>
    </message>
    <message>
        <location line="+199"/>
        <source>Schallpegel = %1 dB</source>
        <translation>Sound level = %1 dB</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bereit (linke Maustaste)</source>
        <translation>ready (left mouse button)</translation>
    </message>
</context>
<context>
    <name>TOszi_Grafik</name>
    <message>
        <location filename="../../src/app/results/schaubild_grafik_unit.cpp" line="+23"/>
        <source>Schaubilder zur Hörschwelle</source>
        <translation>Hearing threshold charts</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>jpeg (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp</source>
        <extracomment>Save-dialog filters: name (pattern)|pattern|name (pattern)|pattern</extracomment>
        <translation>JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Farben</source>
        <translation>Colors</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gitter</source>
        <translation>Grid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normhörschwelle</source>
        <translation>Normal hearing threshold</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>0-dB(A)-Kurve</source>
        <translation>0 dB(A) curve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Pixel</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Pixel: %1 x %2</source>
        <extracomment>%1 x %2: width and height of the picture in pixels</extracomment>
        <translation>Pixels: %1 x %2</translation>
    </message>
</context>
<context>
    <name>TVerlauf_Form</name>
    <message>
        <location filename="../../src/app/results/verlauf_unit.cpp" line="+299"/>
        <source>Verlauf der Hörtests</source>
        <translation>Hearing test history</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Vergleichen</source>
        <translation>Compare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Frequenz in Hz</source>
        <translation>Frequency in Hz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test 1 in dB</source>
        <translation>Test 1 in dB</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test 2 in dB</source>
        <translation>Test 2 in dB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Differenz in dB</source>
        <translation>Difference in dB</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Differenz in dB(A)</source>
        <translation>Difference in dB(A)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <location line="+38"/>
        <location line="+149"/>
        <source>Der Verlauf kann nicht gelesen werden, weil %1.</source>
        <translation>The history cannot be read because %1.</translation>
    </message>
    <message>
        <location line="-149"/>
        <location line="+44"/>
        <location line="+78"/>
        <location line="+27"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <location line="-120"/>
        <source>Wählen Sie zwei Tests in der Liste und dann &quot;Vergleichen&quot;.</source>
        <translation>Select two tests in the list, then click &quot;Compare&quot;.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Die gewählten Tests können nicht aus dem Verlauf gelesen werden.</source>
        <translation>The selected tests cannot be read from the history.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>&lt;span style=&quot;color:%1&quot;&gt;&amp;#10005; Test 1: %2&lt;/span&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp; &lt;span style=&quot;color:%3&quot;&gt;&amp;#9632; Test 2: %4&lt;/span&gt;</source>
        <extracomment>%1, %3: colours; %2, %4: date, ear, tone, calibration and name of the older and the newer test</extracomment>
        <translation>&lt;span style=&quot;color:%1&quot;&gt;&amp;#10005; Test 1: %2&lt;/span&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp; &lt;span style=&quot;color:%3&quot;&gt;&amp;#9632; Test 2: %4&lt;/span&gt;</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Die beiden Tests haben keine gemeinsam gemessene Frequenz.</source>
        <translation>The two tests have no frequency that was measured in both.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Soll der ausgewählte Test aus dem Verlauf gelöscht werden?</source>
        <translation>Delete the selected test from the history?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sollen die %1 ausgewählten Tests aus dem Verlauf gelöscht werden?</source>
        <translation>Delete the %1 selected tests from the history?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Der Verlauf kann nicht geändert werden, weil %1.</source>
        <translation>The history cannot be changed because %1.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>CSV-Datei (*.csv)|*.csv</source>
        <extracomment>Save-dialog filter: name (pattern)|pattern</extracomment>
        <translation>CSV file (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>TWave_erzeugen</name>
    <message>
        <location filename="../../src/app/tones/alle_wave.cpp" line="+240"/>
        <source>Die Wave-Dateien für den Vazozez <byte value="xd"/>wurden erfolgreich erzeugt<byte value="xd"/>und abgespeichert.</source>
        <translation>The wave files for Vazozez <byte value="xd"/>were created<byte value="xd"/>and saved successfully.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erfolgsmeldung</source>
        <translation>Success</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Die Wave-Dateien für den Vazozez <byte value="xd"/>konnten nicht abgespeichert<byte value="xd"/>werden.</source>
        <translation>The wave files for Vazozez <byte value="xd"/>could not<byte value="xd"/>be saved.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fehlermeldung</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Tabellenfenster</name>
    <message>
        <location filename="../../src/app/results/tabellenfenster.cpp" line="+85"/>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+8"/>
        <source>Alles markieren</source>
        <translation>Select all</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Schrift</source>
        <translation>Font</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Exceldatei (*.xls)|*.xls|Textdatei (*.txt)|*.txt</source>
        <extracomment>Save-dialog filters: name (pattern)|pattern|name (pattern)|pattern</extracomment>
        <translation>Excel file (*.xls)|*.xls|Text file (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>Verlauf_Modell</name>
    <message>
        <location filename="../../src/app/results/verlauf_unit.cpp" line="-323"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ohr</source>
        <translation>Ear</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ton</source>
        <extracomment>The kind of tone of the test (rising or steady, pulsed or continuous)</extracomment>
        <translation>Tone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequenzen</source>
        <extracomment>Column: how many frequencies were measured</extracomment>
        <translation>Frequencies</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>Verlauf_Schaubild</name>
    <message>
        <location line="+37"/>
        <source>Frequenz f in Hz</source>
        <translation>Frequency f in Hz</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Kein gewählter Test für dieses Ohr</source>
        <translation>No test selected for this ear</translation>
    </message>
</context>
<context>
    <name>alle_wave</name>
    <message>
        <location filename="../../src/app/tones/alle_wave.cpp" line="-182"/>
        <source>Die für den Vazozez benötigten Wave-Dateien</source>
        <extracomment>First of two lines forming one sentence</extracomment>
        <translation>The wave files that Vazozez needs</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>werden erzeugt und abgespeichert.</source>
        <extracomment>Second of two lines forming one sentence</extracomment>
        <translation>are being created and saved.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dieser Vorgang kann einige Sekunden dauern.</source>
        <translation>This may take a few seconds.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitte haben Sie etwas Geduld.</source>
        <translation>Please be patient.</translation>
    </message>
</context>
<context>
    <name>verlauf_unit</name>
    <message>
        <location filename="../../src/app/results/verlauf_unit.cpp" line="-237"/>
        <source>Der Verlauf kann nicht gelesen werden, weil %1.<byte value="xd"/>Die Datei wurde als<byte value="xd"/>%2<byte value="xd"/>beiseitegelegt; ein neuer Verlauf wurde begonnen.</source>
        <extracomment>%1: the reason, %2: the path the damaged file was moved to</extracomment>
        <translation>The history cannot be read because %1.<byte value="xd"/>The file was set aside as<byte value="xd"/>%2<byte value="xd"/>and a new history was started.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+21"/>
        <location line="+39"/>
        <location line="+50"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <location line="-95"/>
        <source>%1 Tests im Verlauf enthalten ungültige Werte und werden nicht exportiert.</source>
        <translation>%1 tests in the history contain invalid values and are not exported.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Tests im Verlauf enthalten ungültige Werte und werden nicht angezeigt.</source>
        <translation>%1 tests in the history contain invalid values and are not shown.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Der Hörtest wurde nicht in den Verlauf geschrieben, weil %1.<byte value="xd"/>Das Ergebnis bleibt erhalten und kann unter &quot;Testergebnisse&quot; angesehen und gespeichert werden.</source>
        <translation>The hearing test was not written to the history because %1.<byte value="xd"/>The result is kept and can be viewed and saved under &quot;Test results&quot;.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Der Name wurde nicht in den Verlauf geschrieben, weil %1.</source>
        <translation>The name was not written to the history because %1.</translation>
    </message>
</context>
</TS>
