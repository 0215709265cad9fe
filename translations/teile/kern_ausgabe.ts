<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>druckplan</name>
    <message>
        <location filename="../../src/core/results/druckplan.cpp" line="+35"/>
        <source>Seite: %1 von %2</source>
        <extracomment>Page number of a printout: %1 this page, %2 the number of pages.</extracomment>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>eichzustand</name>
    <message>
        <location filename="../../src/core/settings/eichzustand.cpp" line="+125"/>
        <source>Einzelne normalhörende Menschen weichen vom Median der ISO 226 um etwa ±5 dB ab: das Ergebnis sagt, wie weit ein Gehör von dem des Bezugshörers entfernt ist, nicht einen absoluten Pegel.</source>
        <translation>Individual people with normal hearing differ from the ISO 226 median by about ±5 dB: the result tells how far a person&apos;s hearing lies from that of the reference listener, not an absolute level.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>nicht kalibriert (Grundwerte)</source>
        <translation>not calibrated (default values)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Schallpegelmesser</source>
        <extracomment>Kind of calibration: with a sound level meter.</extracomment>
        <translation>sound level meter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mikrofonspannung</source>
        <extracomment>Kind of calibration: with the microphone voltage.</extracomment>
        <translation>microphone voltage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>automatisch</source>
        <extracomment>Kind of calibration: the automatic calibration.</extracomment>
        <translation>automatic</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bezugshörer</source>
        <extracomment>Kind of calibration: by a reference listener.</extracomment>
        <translation>reference listener</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Datum unbekannt</source>
        <translation>date unknown</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Kalibrierung links: %1, rechts: %2</source>
        <extracomment>%1, %2: the calibration of the left and the right ear, e.g. &quot;Bezugshörer (12.03.2025)&quot;.</extracomment>
        <translation>Calibration left: %1, right: %2</translation>
    </message>
</context>
<context>
    <name>einstellungen</name>
    <message>
        <location filename="../../src/core/settings/einstellungen.cpp" line="+295"/>
        <source>Datei <byte value="xd"/>%1<byte value="xd"/>kann nicht geöffnet werden!!!</source>
        <translation>File <byte value="xd"/>%1<byte value="xd"/>cannot be opened!</translation>
    </message>
</context>
<context>
    <name>frequenzgang</name>
    <message>
        <location filename="../../src/core/settings/frequenzgang.cpp" line="+10"/>
        <source>Geben Sie eine Zahl ein (z.B. 3,45)</source>
        <translation>Enter a number (e.g. 3.45)</translation>
    </message>
</context>
<context>
    <name>optionen</name>
    <message>
        <location filename="../../src/core/settings/optionen.cpp" line="+11"/>
        <source>Geben Sie eine natürliche Zahl <byte value="xd"/>im Bereich zwischen 20 und 20000 ein</source>
        <translation>Enter a whole number <byte value="xd"/>between 20 and 20000</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Die Frequenz %1 Hz steht in den Zeilen %2 und %3.<byte value="xd"/></source>
        <extracomment>%1: the frequency; %2: the first rows (&quot;f05, f09&quot;); %3: the last row (&quot;f12&quot;).</extracomment>
        <translation>The frequency %1 Hz appears in rows %2 and %3.<byte value="xd"/></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Eine doppelte Frequenz wird mehrfach gemessen, und ihre Ergebnisse lassen sich in den Tabellen und Schaubildern nicht auseinanderhalten.<byte value="xd"/>Möchten Sie trotzdem speichern?</source>
        <translation>A frequency that appears more than once is measured more than once, and its results cannot be told apart in the tables and charts.<byte value="xd"/>Do you want to save anyway?</translation>
    </message>
</context>
<context>
    <name>pegeleingabe</name>
    <message>
        <location filename="../../src/core/settings/pegeleingabe.cpp" line="+11"/>
        <source>Geben Sie eine Zahl im Bereich <byte value="xd"/> zwischen 0 und 120 ein</source>
        <translation>Enter a number <byte value="xd"/> between 0 and 120</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Geben Sie eine Zahl im Bereich <byte value="xd"/> zwischen -20 und 150 ein</source>
        <translation>Enter a number <byte value="xd"/> between -20 and 150</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Geben Sie eine Zahl größer als 0 <byte value="xd"/> und höchstens 10000 (mV) ein</source>
        <translation>Enter a number greater than 0 <byte value="xd"/> and at most 10000 (mV)</translation>
    </message>
</context>
<context>
    <name>referenztabelle_layout</name>
    <message>
        <location filename="../../src/core/results/referenztabelle_layout.cpp" line="+16"/>
        <source>Normhör</source>
        <extracomment>Title of the table in two cells, drawn as one word: &quot;Normhör&quot; + &quot;schwelle&quot; (normal hearing threshold).</extracomment>
        <translation>Normal hearing </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>schwelle</source>
        <extracomment>Second half of the title &quot;Normhörschwelle&quot;.</extracomment>
        <translation>threshold</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Normhörschwelle</source>
        <translation>Normal hearing threshold</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(Interpolation aus Daten der ISO 226:2003)</source>
        <translation>(interpolated from the data of ISO 226:2003)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die obigen Werte wurden durch Interpolation aus den Daten der ISO 226:2003 gewonnen.</source>
        <translation>The values above were interpolated from the data of ISO 226:2003.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Normhörschwelle kann nicht in Tabellenform ausgegeben werden, da Arbeitsspeicher zu klein.</source>
        <translation>The normal hearing threshold cannot be shown as a table: there is not enough memory.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>0-dB(A)-</source>
        <extracomment>Title of the table in two cells, drawn as one: &quot;0-dB(A)-&quot; + &quot;Werte&quot; (0 dB(A) values).</extracomment>
        <translation>0 dB(A) </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Werte</source>
        <extracomment>Second half of the title &quot;0-dB(A)-Werte&quot;.</extracomment>
        <translation>values</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>0-dB(A)-Werte</source>
        <translation>0 dB(A) values</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NulldBAhörschwelle kann nicht in Tabellenform ausgegeben werden, da Arbeitsspeicher zu klein.</source>
        <translation>The 0 dB(A) values cannot be shown as a table: there is not enough memory.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Frequenz f</source>
        <translation>Frequency f</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schallpegel (dB)</source>
        <translation>Sound level (dB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in Hz</source>
        <translation>in Hz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in Abhängigkeit </source>
        <extracomment>Second line of the column heading &quot;Schallpegel (dB) in Abhängigkeit von der Frequenz f&quot;.</extracomment>
        <translation>as a function </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>von der Frequenz f</source>
        <extracomment>Third line of the column heading &quot;Schallpegel (dB) in Abhängigkeit von der Frequenz f&quot;.</extracomment>
        <translation>of the frequency f</translation>
    </message>
</context>
<context>
    <name>schallpegel</name>
    <message>
        <location filename="../../src/core/settings/schallpegel.cpp" line="+112"/>
        <source>Die Datei <byte value="xd"/>%1<byte value="xd"/>enthält keine gültige Kalibrierung des Schallpegelmessers: %2 Sie wurde nicht übernommen. Bitte kalibrieren Sie den Schallpegelmesser mit dem Programm &quot;Quarvel Vidizedazevadadev&quot; erneut und lesen Sie danach dessen Einstellungsdatei nochmals ein.</source>
        <extracomment>%1: the file; %2: what is wrong with it, a whole sentence.</extracomment>
        <translation>The file <byte value="xd"/>%1<byte value="xd"/>holds no valid calibration of the sound level meter: %2 It was not applied. Please calibrate the sound level meter again with the program &quot;Quarvel Vidizedazevadadev&quot; and then read in its settings file once more.</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Ihre Tabellen der Spektralanalyse enthalten ungültige Werte.</source>
        <translation>Its spectral analysis tables contain invalid values.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>dB schnell</source>
        <translation>dB fast</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dB langsam</source>
        <translation>dB slow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dB(A) schnell</source>
        <translation>dB(A) fast</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dB(A) langsam</source>
        <translation>dB(A) slow</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Die Gewichtstabelle &quot;%1&quot; enthält ungültige oder negative Werte oder nur Nullen.</source>
        <translation>The weighting table &quot;%1&quot; contains invalid or negative values, or only zeros.</translation>
    </message>
</context>
<context>
    <name>testergebnis_layout</name>
    <message>
        <location filename="../../src/core/results/testergebnis_layout.cpp" line="+22"/>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Uhrzeit:</source>
        <extracomment>Label in the first column of the results: the time of day.</extracomment>
        <translation>Time:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name:</source>
        <extracomment>Label in the first column of the results: the test person&apos;s name.</extracomment>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Einstellungen:</source>
        <extracomment>Label in the first column of the results, followed by the tone&apos;s settings. It sets the width of the columns: best 14 characters, like the German.</extracomment>
        <translation>Tone settings:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ergebnisse:</source>
        <extracomment>Label in the first column of the results, followed by the table of both ears.</extracomment>
        <translation>Results:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Messergebnisse zur Hörschwelle</source>
        <extracomment>Title of the results table, spreadsheet and printout.</extracomment>
        <translation>Results of the hearing test</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>- Amplitude </source>
        <extracomment>The tone&apos;s amplitude in two cells: &quot;- Amplitude &quot; + &quot;zunehmend&quot; / &quot;abnehmend&quot; (at most 15 characters).</extracomment>
        <translation>- Amplitude </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>zunehmend</source>
        <extracomment>Second cells of &quot;- Amplitude zunehmend&quot; (rising) and &quot;- Amplitude abnehmend&quot; (falling), at most 15 characters each.</extracomment>
        <translation>increasing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>abnehmend</source>
        <translation>decreasing</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1. Linkes Ohr</source>
        <translation>1. Left ear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2. Rechtes Ohr</source>
        <translation>2. Right ear</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Norm-</source>
        <extracomment>First half of the column heading &quot;Normhörschwelle&quot; (normal hearing threshold).</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>0-dB(A)-</source>
        <extracomment>First half of the column heading &quot;0-dB(A)-Werte&quot; (0 dB(A) values).</extracomment>
        <translation>0 dB(A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in Hz</source>
        <translation>in Hz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bewerteter</source>
        <extracomment>First half of the column heading &quot;Bewerteter Schallpegel&quot; (weighted sound level).</extracomment>
        <translation>Weighted</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Schallpegel</source>
        <translation>Sound level</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>hörschwelle</source>
        <extracomment>Second half of the column heading &quot;Normhörschwelle&quot; (normal hearing threshold).</extracomment>
        <translation>threshold</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Werte</source>
        <extracomment>Second half of the column heading &quot;0-dB(A)-Werte&quot; (0 dB(A) values).</extracomment>
        <translation>values</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Messergebnisse </source>
        <extracomment>Title of the results in two cells: first half, drawn right-aligned (at most 15 characters).</extracomment>
        <translation>Results of the </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>zur Hörschwelle</source>
        <extracomment>Title of the results in two cells: second half (at most 15 characters).</extracomment>
        <translation>hearing test</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>- Pulsierender </source>
        <extracomment>The tone in two cells: &quot;- Pulsierender &quot; + &quot;Ton (AM mit 4 Hz)&quot;, or &quot;- Nicht &quot; + &quot;pulsierend&quot; (each at most 15 characters).</extracomment>
        <translation>- Pulsing tone </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Nicht </source>
        <translation>- Not </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ton (AM mit %1 Hz)</source>
        <extracomment>%1: the modulation frequency in Hz.</extracomment>
        <translation>(AM at %1 Hz)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>pulsierend</source>
        <translation>pulsing</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>- Pulsierender Ton (Amplitudenmodulation mit %1 Hz)</source>
        <extracomment>Keep the leading &quot;- &quot;: the audiogram report cuts it off. %1: the modulation frequency in Hz.</extracomment>
        <translation>- Pulsing tone (amplitude modulation at %1 Hz)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>- Nicht pulsierend</source>
        <extracomment>Keep the leading &quot;- &quot;: the audiogram report cuts it off.</extracomment>
        <translation>- Not pulsing</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>- Amplitude zunehmend</source>
        <extracomment>Keep the leading &quot;- &quot; here and in &quot;- Amplitude abnehmend&quot;: the audiogram report cuts it off.</extracomment>
        <translation>- Amplitude increasing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Amplitude abnehmend</source>
        <translation>- Amplitude decreasing</translation>
    </message>
    <message>
        <location line="+152"/>
        <source>Kalibrierung:</source>
        <translation>Calibration:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>links: %1, rechts: %2</source>
        <extracomment>%1, %2: the calibration of the left and the right ear, e.g. &quot;Bezugshörer (12.03.2025)&quot;.</extracomment>
        <translation>left: %1, right: %2</translation>
    </message>
</context>
<context>
    <name>verlauf</name>
    <message>
        <location filename="../../src/core/results/verlauf.cpp" line="+44"/>
        <source>der Datenträger schreibgeschützt ist</source>
        <extracomment>End of a sentence: &quot;The history cannot be read/written because …&quot;</extracomment>
        <translation>the medium is write-protected</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>die Datei von einem anderen Programm stammt</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file comes from another program</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>die Datei keine Datenbank ist</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file is not a database</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>die Datei nicht geöffnet oder angelegt werden kann</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file cannot be opened or created</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>die Datei beschädigt ist</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>die Datei von einem anderen Programm gesperrt ist</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file is locked by another program</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>der Datenträger voll ist</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the disk is full</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ein Schreib- oder Lesefehler auftrat</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>a read or write error occurred</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>die Datenbank den Fehler %1 meldet</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;; %1: the database&apos;s error number.</extracomment>
        <translation>the database reports error %1</translation>
    </message>
    <message>
        <location line="+554"/>
        <source>Nr</source>
        <extracomment>Column heading of the history&apos;s CSV file: the test&apos;s running number.</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ohr</source>
        <translation>Ear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ton</source>
        <translation>Tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kalibrierung</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequenz in Hz</source>
        <translation>Frequency in Hz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hörschwelle in dB</source>
        <translation>Hearing threshold in dB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hörschwelle in dB(A)</source>
        <translation>Hearing threshold in dB(A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grenze</source>
        <extracomment>Column heading of the history&apos;s CSV file: &quot;≤&quot; or &quot;≥&quot; when the value is only a bound.</extracomment>
        <translation>Bound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ruhepegel über der Grenze in dB</source>
        <translation>Room noise above the limit in dB</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Mikrofonspannung</source>
        <extracomment>Kind of calibration of a test: with the microphone voltage.</extracomment>
        <translation>microphone voltage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Schallpegelmesser</source>
        <extracomment>Kind of calibration of a test: with a sound level meter.</extracomment>
        <translation>sound level meter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unbekannt</source>
        <extracomment>Kind of calibration of a test that was stored without it.</extracomment>
        <translation>unknown</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Die Tests beruhen auf verschiedenen Kalibrierungen: %1 und %2.</source>
        <extracomment>%1, %2: the calibrations of the two tests, e.g. &quot;Schallpegelmesser (12.03.2025)&quot;.</extracomment>
        <translation>The tests rest on different calibrations: %1 and %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>keine eigene Kalibrierung (Grundwerte)</source>
        <translation>no calibration of its own (default values)</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>zunehmend</source>
        <extracomment>The tone of a test: its amplitude rises (&quot;zunehmend&quot;) or falls (&quot;abnehmend&quot;).</extracomment>
        <translation>increasing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>abnehmend</source>
        <translation>decreasing</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, pulsierend</source>
        <extracomment>Added to &quot;zunehmend&quot; or &quot;abnehmend&quot; for a pulsing tone.</extracomment>
        <translation>, pulsing</translation>
    </message>
    <message>
        <location line="+174"/>
        <source>an ihrer Stelle keine gewöhnliche Datei liegt</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>there is no ordinary file in its place</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>die Datei nicht gelesen werden kann</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>das Journal neben der Datei nicht zu ihr gehört und nicht beiseitegelegt werden kann</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the journal beside the file does not belong to it and cannot be moved aside</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>die Datei von einer neueren Programmversion stammt</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file comes from a newer version of the program</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>%1 und sie nicht beiseitegelegt werden kann</source>
        <extracomment>%1: why the file was to be moved aside (&quot;die Datei beschädigt ist&quot;); the whole ends a sentence.</extracomment>
        <translation>%1 and it cannot be moved aside</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>der Test Werte enthält, die nicht gespeichert werden können</source>
        <extracomment>End of a sentence: &quot;The test cannot be stored because …&quot;</extracomment>
        <translation>the test holds values that cannot be stored</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>der Test Werte enthält, die das Programm nie schreibt</source>
        <extracomment>End of a sentence: &quot;The test cannot be read because …&quot;</extracomment>
        <translation>the test holds values that the program never writes</translation>
    </message>
    <message>
        <location line="+225"/>
        <source>%1 Hz (beide Tests)</source>
        <extracomment>%1: a frequency; which of the two compared tests was measured while the room was too loud.</extracomment>
        <translation>%1 Hz (both tests)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Hz (Test 1)</source>
        <translation>%1 Hz (Test 1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Hz (Test 2)</source>
        <translation>%1 Hz (Test 2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Die beiden Tests betreffen verschiedene Ohren.</source>
        <translation>The two tests concern different ears.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Die Tests wurden mit verschiedenen Tönen gemacht: %1 und %2.</source>
        <extracomment>%1, %2: the tones of the two tests, e.g. &quot;abnehmend, pulsierend&quot;.</extracomment>
        <translation>The tests were made with different tones: %1 and %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Für einen der Tests ist keine Kalibrierung gespeichert; die Kalibrierungen können nicht verglichen werden.</source>
        <translation>No calibration is stored for one of the tests; the calibrations cannot be compared.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Die Kalibrierwerte der beiden Tests unterscheiden sich bei %1 Frequenz.</source>
        <translation>The calibration values of the two tests differ at %1 frequency.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Die Kalibrierwerte der beiden Tests unterscheiden sich bei %1 Frequenzen.</source>
        <translation>The calibration values of the two tests differ at %1 frequencies.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Die Testfrequenzen der beiden Tests sind verschieden; verglichen werden nur gleiche Frequenzen.</source>
        <translation>The test frequencies of the two tests differ; only the frequencies both tests share are compared.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Werte mit ≤ oder ≥ sind Grenzen: der Ton war schon zu Ende, die Schwelle liegt darunter (≤) oder darüber (≥); die Differenz ist dann ebenfalls nur eine Grenze.</source>
        <translation>Values with ≤ or ≥ are bounds: the tone had already ended, the threshold lies below (≤) or above (≥) them; the difference is then only a bound as well.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bei %1 Frequenz sind beide Werte Grenzen in dieselbe Richtung: die Differenz lässt sich nicht angeben (–).</source>
        <translation>At %1 frequency both values are bounds in the same direction: the difference cannot be given (–).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bei %1 Frequenzen sind beide Werte Grenzen in dieselbe Richtung: die Differenz lässt sich nicht angeben (–).</source>
        <translation>At %1 frequencies both values are bounds in the same direction: the difference cannot be given (–).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ruhepegel zu hoch bei %1: Hörschwelle möglicherweise zu hoch gemessen.</source>
        <extracomment>%1: the frequencies, e.g. &quot;1000 Hz (Test 1), 2000 Hz (beide Tests)&quot;.</extracomment>
        <translation>Room noise too high at %1: the hearing threshold may have been measured too high.</translation>
    </message>
</context>
</TS>
