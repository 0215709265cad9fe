<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>alle_tondateien</name>
    <message>
        <location filename="../../src/core/tones/alle_tondateien.cpp" line="+64"/>
        <source>ca. %1 MB</source>
        <extracomment>%1 = size in megabytes, e.g. &quot;233&quot; or &quot;10,6&quot;</extracomment>
        <translation>approx. %1 MB</translation>
    </message>
</context>
<context>
    <name>audiogramm</name>
    <message>
        <location filename="../../src/charts/audiogramm.cpp" line="+217"/>
        <source>%1, Einheiten %2</source>
        <extracomment>%1 = kind of calibration, %2 = the level units used, e.g. &quot;dB(A), dB(C)&quot;</extracomment>
        <translation>%1, units %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Geringgradig</source>
        <translation>Mild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittelgradig</source>
        <translation>Moderate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mittel- bis hochgradig</source>
        <translation>Moderately severe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hochgradig</source>
        <translation>Severe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>An Taubheit grenzend</source>
        <translation>Profound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vollständig</source>
        <translation>Complete</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>nicht berechnet (unter 500, 1000, 2000 und 4000 Hz liegen Grenzwerte nach oben und nach unten)</source>
        <translation>not calculated (500, 1000, 2000 and 4000 Hz include both upper and lower bounds)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nicht berechnet (500, 1000, 2000 und 4000 Hz nicht alle gemessen)</source>
        <translation>not calculated (500, 1000, 2000 and 4000 Hz not all measured)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>mindestens %1</source>
        <extracomment>%1 = a grade of hearing loss, e.g. &quot;Geringgradig&quot;</extracomment>
        <translation>at least %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>höchstens %1</source>
        <extracomment>%1 = a grade of hearing loss, e.g. &quot;Geringgradig&quot;</extracomment>
        <translation>at most %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Abweichung von der Normhörschwelle (dB)</source>
        <translation>Deviation from the normal hearing threshold (dB)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Kein klinisches Audiogramm: Bezug ist die Normhörschwelle im freien Schallfeld (ISO 226:2003), nicht der Bezugspegel eines Audiometer-Kopfhörers.</source>
        <translation>Not a clinical audiogram: the reference is the normal hearing threshold in the free sound field (ISO 226:2003), not the reference level of audiometer headphones.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pfeil: Grenzwert oder außerhalb der Skala, Schwelle liegt in Pfeilrichtung</source>
        <translation>Arrow: bound or off the scale, the threshold lies in the direction of the arrow</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>≤: der Ton war schon zu Ende und noch hörbar, die Schwelle liegt darunter; ≥: der ansteigende Ton war zu Ende oder der fallende Ton schon unter die kleinste Stufe der Ausgabe gefallen, die Schwelle liegt darüber. Ein Mittelwert mit Grenzwerten ist selbst ein Grenzwert. Werte jenseits von −10 und 120 dB stehen mit einem Pfeil am Rand.</source>
        <translation>≤: the tone had already ended and was still audible, the threshold lies below; ≥: the rising tone had ended or the falling tone had already dropped below the smallest output step, the threshold lies above. An average that includes bounds is itself a bound. Values beyond −10 and 120 dB are shown at the edge with an arrow.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: keine eigene Kalibrierung – die Werte beruhen auf den Grundwerten und sind keine Hörverluste.</source>
        <extracomment>%1 = &quot;Linkes Ohr&quot; or &quot;Rechtes Ohr&quot;</extracomment>
        <translation>%1: no calibration of its own – the values are based on the default values and are not hearing losses.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Unter 125 Hz (%1 Hz) zeigt das Audiogramm nichts: diese Werte stehen nur in der Tabelle.</source>
        <extracomment>%1 = the frequencies below 125 Hz, e.g. &quot;20, 50&quot;</extracomment>
        <translation>Below 125 Hz (%1 Hz) the audiogram shows nothing: these values are only in the table.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>beide Ohren</source>
        <translation>both ears</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+109"/>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <location line="-108"/>
        <location line="+109"/>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <location line="-106"/>
        <source>⚠ Ruhepegel zu hoch bei %1: Hörschwelle möglicherweise zu hoch gemessen</source>
        <extracomment>%1 = frequencies with the ears, e.g. &quot;500 Hz (links), 1000 Hz (beide Ohren)&quot;</extracomment>
        <translation>⚠ Room noise too high at %1: hearing threshold possibly measured too high</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>links %1 dB</source>
        <extracomment>%1 = threshold level, e.g. &quot;105&quot; or &quot;≥ 105&quot;</extracomment>
        <translation>left %1 dB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rechts %1 dB</source>
        <translation>right %1 dB</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Über 12500 Hz gibt es keine Normhörschwelle; dort die absolute Hörschwelle (Schalldruckpegel):</source>
        <translation>Above 12500 Hz there is no normal hearing threshold; there the absolute hearing threshold (sound pressure level):</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+54"/>
        <location line="+108"/>
        <source>Frequenz (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <location line="-161"/>
        <source>Links: Hörschwelle (dB)</source>
        <translation>Left: hearing threshold (dB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <location line="+53"/>
        <source>Abweichung (dB)</source>
        <translation>Deviation (dB)</translation>
    </message>
    <message>
        <location line="-54"/>
        <source>Rechts: Hörschwelle (dB)</source>
        <translation>Right: hearing threshold (dB)</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Ohr</source>
        <translation>Ear</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hörschwelle (dB)</source>
        <translation>Hearing threshold (dB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normhörschwelle (dB)</source>
        <translation>Normal hearing threshold (dB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grenze</source>
        <translation>Bound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name</source>
        <translation>Name</translation>
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
        <location line="+78"/>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>rechtes Ohr</source>
        <translation>right ear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>linkes Ohr</source>
        <translation>left ear</translation>
    </message>
</context>
<context>
    <name>audiogramm_bericht</name>
    <message>
        <location filename="../../src/charts/audiogramm_bericht.cpp" line="+81"/>
        <source>Audiogramm</source>
        <translation>Audiogram</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name: %1</source>
        <extracomment>%1 = the test person&apos;s name, or a line to write it on</extracomment>
        <translation>Name: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Datum: %1   Uhrzeit: %2</source>
        <translation>Date: %1   Time: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ton: %1, %2</source>
        <extracomment>%1 = constant or pulsed tone, %2 = rising or falling volume</extracomment>
        <translation>Tone: %1, %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kalibrierung linkes Ohr: %1</source>
        <translation>Calibration of the left ear: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kalibrierung rechtes Ohr: %1</source>
        <translation>Calibration of the right ear: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Mittelwert über 500, 1000, 2000 und 4000 Hz (Grad nach WHO 2021):</source>
        <translation>Average over 500, 1000, 2000 and 4000 Hz (grade according to WHO 2021):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Linkes Ohr: %1</source>
        <translation>Left ear: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rechtes Ohr: %1</source>
        <translation>Right ear: %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Abweichung = Hörschwelle − Normhörschwelle, auf 1 dB gerundet; der Mittelwert aus den ungerundeten Abweichungen. Über 12500 Hz gibt es keine Normhörschwelle: dort nur die Hörschwelle. </source>
        <translation>Deviation = hearing threshold − normal hearing threshold, rounded to 1 dB; the average is taken from the unrounded deviations. Above 12500 Hz there is no normal hearing threshold: there only the hearing threshold is given. </translation>
    </message>
</context>
<context>
    <name>auto_kalibrierung</name>
    <message>
        <location filename="../../src/core/calibration/auto_kalibrierung.cpp" line="+33"/>
        <source>Die Messung hat keinen gültigen Schallpegel ergeben. Bitte lesen Sie die Einstellungsdatei des Schallpegelmessers erneut ein und führen Sie danach die Kalibrierung erneut durch.</source>
        <translation>The measurement did not give a valid sound level. Please load the sound level meter&apos;s settings file again and then repeat the calibration.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+16"/>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Von der Audioaufnahme kommen keine Daten mehr. Ist das Mikrofon noch angeschlossen? Bitte prüfen Sie das Mikrofon und führen Sie danach die Kalibrierung erneut durch.</source>
        <translation>The audio recording no longer delivers any data. Is the microphone still connected? Please check the microphone and then repeat the calibration.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Audiofehler</source>
        <translation>Audio error</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Das Mikrofon oder der Kopfhörer sind nicht richtig eingesteckt oder der Lautstärke- oder Empfindlichkeitsregler ist nicht ganz aufgedreht. Bitte beheben Sie den Fehler und führen Sie danach die Kalibrierung erneut durch.</source>
        <translation>The microphone or the headphones are not plugged in properly, or the volume or sensitivity control is not turned all the way up. Please correct the fault and then repeat the calibration.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Die Kalibrierung wurde erfolgreich abgeschlolssen. Die Daten können nun gespeichert werden.</source>
        <translation>The calibration was completed successfully. The data can now be saved.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Erfolgsmeldung</source>
        <translation>Success</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Die gelb unterlegten Frequenzen konnten nicht genau kalibriert werden. </source>
        <translation>The frequencies highlighted in yellow could not be calibrated exactly. </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bei %1 war die Aufnahme übersteuert: Drehen Sie den Aufnahme- oder Empfindlichkeitsregler des Mikrofons etwas zurück und wiederholen Sie die Kalibrierung. </source>
        <translation>At %1 the recording was clipping: turn the microphone&apos;s recording or sensitivity control down a little and repeat the calibration. </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ist der Windows-Lautstärkeregler voll aufgedreht? Fall dies nicht der Fall ist, könnten Sie durch Aufdrehen des Lautstärkereglers und anschließender Wiederholung der Kalibrierung eventuell eine Verbesserung erreichen. Die Ergebnisse der Kalibrierung können nun gespeichert werden.</source>
        <translation>Is the system volume control turned all the way up? If it is not, turning it up and repeating the calibration may improve the result. The results of the calibration can now be saved.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>hoerschwelle_schaubild</name>
    <message>
        <location filename="../../src/charts/hoerschwelle_schaubild.cpp" line="+84"/>
        <source>Frequenz f in Hz</source>
        <translation>Frequency f in Hz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schallpegel (dB)</source>
        <translation>Sound level (dB)</translation>
    </message>
</context>
<context>
    <name>kv_fft</name>
    <message>
        <location filename="../../src/core/acoustics/kv_fft.cpp" line="+113"/>
        <source>Freier Hauptspeicher zu klein</source>
        <translation>Not enough free memory</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>kvschaubild2b</name>
    <message>
        <location filename="../../src/charts/kvschaubild2b.cpp" line="+156"/>
        <source>Frequenz f in Hz</source>
        <translation>Frequency f in Hz</translation>
    </message>
</context>
<context>
    <name>lauter_ton</name>
    <message>
        <location filename="../../src/core/calibration/lauter_ton.cpp" line="+91"/>
        <source>Der Ton wird sehr laut (%1). Kopfhörer absetzen oder fortfahren?</source>
        <extracomment>%1 = the level, e.g. &quot;103,5 dB(A)&quot;, or the rise, e.g. &quot;+46,0 dB&quot;</extracomment>
        <translation>The tone will be very loud (%1). Take off the headphones, or continue?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>meldungen</name>
    <message>
        <location filename="../../src/core/shell/meldungen.cpp" line="+30"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Datenträger ist schreibgeschützt oder Datei wird von einem anderen Programm verwendet.</source>
        <translation>The disk is write-protected or the file is being used by another program.</translation>
    </message>
</context>
<context>
    <name>messmikrofon</name>
    <message>
        <location filename="../../src/core/calibration/messmikrofon.cpp" line="+35"/>
        <source>Zeile %1: </source>
        <extracomment>Put before a message about one line of a calibration file</extracomment>
        <translation>Line %1: </translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+151"/>
        <source>Die Datei ist zu groß für eine Kalibrierdatei (höchstens 1 MB).</source>
        <translation>The file is too large for a calibration file (at most 1 MB).</translation>
    </message>
    <message>
        <location line="-146"/>
        <source>Die Kalibrierdatei ist leer.</source>
        <translation>The calibration file is empty.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Die Datei ist keine Kalibrierdatei: sie enthält keinen Text.</source>
        <translation>The file is not a calibration file: it does not contain text.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Die Kalibrierdatei enthält keine Messpunkte.</source>
        <translation>The calibration file contains no measuring points.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Die Kalibrierdatei enthält zu viele Messpunkte.</source>
        <translation>The calibration file contains too many measuring points.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Der Messpunkt liegt außerhalb dessen, was ein Mikrofon haben kann (0 bis 100000 Hz, höchstens ±60 dB).</source>
        <translation>The measuring point lies outside what a microphone can have (0 to 100000 Hz, at most ±60 dB).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Die Frequenzen müssen aufsteigen; %1 Hz folgt auf %2 Hz.</source>
        <translation>The frequencies must be in ascending order; %1 Hz follows %2 Hz.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Die Kalibrierdatei hat keinen Messpunkt in der Nähe von 1000 Hz, auf die sich die Empfindlichkeit bezieht.</source>
        <translation>The calibration file has no measuring point near 1000 Hz, the frequency the sensitivity refers to.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Die Empfindlichkeit in dBV der Kalibrierdatei ist unmöglich.</source>
        <translation>The sensitivity in dBV given in the calibration file is impossible.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Die Empfindlichkeit muss zwischen -100 und 0 dBFS bei 94 dB SPL liegen.</source>
        <translation>The sensitivity must lie between -100 and 0 dBFS at 94 dB SPL.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Erwartet werden Frequenz und dB (und die Phase), getrennt durch Leerzeichen, mit Dezimalpunkt; gefunden: &quot;%1&quot;.</source>
        <extracomment>%1 = the start of the line as it stands in the file</extracomment>
        <translation>Expected: frequency and dB (and the phase), separated by spaces, with a decimal point; found: &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>Die Datei der Mikrofonkalibrierung ist unbrauchbar: unbekanntes Format.</source>
        <translation>The microphone calibration file is unusable: unknown format.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Die Datei der Mikrofonkalibrierung ist unbrauchbar: die Empfindlichkeit fehlt oder ist unmöglich.</source>
        <translation>The microphone calibration file is unusable: the sensitivity is missing or impossible.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Die Datei der Mikrofonkalibrierung ist unbrauchbar: das Datum fehlt.</source>
        <translation>The microphone calibration file is unusable: the date is missing.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Die Datei der Mikrofonkalibrierung ist unbrauchbar: %1</source>
        <extracomment>%1 = why the list of measuring points cannot be read</extracomment>
        <translation>The microphone calibration file is unusable: %1</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Die Datei der Mikrofonkalibrierung<byte value="xd"/>%1<byte value="xd"/>kann nicht gelesen werden.</source>
        <translation>The microphone calibration file<byte value="xd"/>%1<byte value="xd"/>cannot be read.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>ohne Kalibrierdatei</source>
        <translation>without calibration file</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Messmikrofon: %1, %2 dBFS bei 94 dB SPL, vom %3</source>
        <extracomment>%1 = calibration file name (or &quot;ohne Kalibrierdatei&quot;), %2 = sensitivity, %3 = date of the calibration</extracomment>
        <translation>Measurement microphone: %1, %2 dBFS at 94 dB SPL, dated %3</translation>
    </message>
</context>
<context>
    <name>programmstart</name>
    <message>
        <location filename="../../src/core/shell/programmstart.cpp" line="+36"/>
        <source>Es wurde kein Ordner für eigene Dateien gefunden, in dem das Programm speichern kann.<byte value="xd"/>Die Einstellungen und die Wave-Dateien werden in diesem Ordner gespeichert:<byte value="xd"/>%1</source>
        <translation>No documents folder was found in which the program can save.<byte value="xd"/>The settings and the wave files are saved in this folder:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+30"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="-7"/>
        <source><byte value="xd"/><byte value="xd"/>An ihrer Stelle gilt nun eine neue Einstellungsdatei mit den Standardwerten:<byte value="xd"/>%1</source>
        <translation><byte value="xd"/><byte value="xd"/>In its place a new settings file with the default values is now used:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source><byte value="xd"/><byte value="xd"/>Die Datei bleibt unverändert. Es gilt nun die Einstellungsdatei<byte value="xd"/>%1</source>
        <translation><byte value="xd"/><byte value="xd"/>The file is left unchanged. The settings file now in use is<byte value="xd"/>%1</translation>
    </message>
</context>
</TS>
