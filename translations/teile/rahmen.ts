<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>TErste_Schritte_Form</name>
    <message>
        <location filename="../../src/app/shell/erste_schritte.cpp" line="+11"/>
        <source>Erste Schritte</source>
        <translation>Getting Started</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&lt;b&gt;Womit möchten Sie kalibrieren?&lt;/b&gt;</source>
        <translation>&lt;b&gt;What would you like to calibrate with?&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Noch ist kein Ohr kalibriert: Die Hörschwellen beruhen auf Grundwerten und sagen nichts über Ihr Gehör. Wählen Sie, womit Sie den Kopfhörer kalibrieren.</source>
        <translation>No ear has been calibrated yet: the hearing thresholds are based on default values and say nothing about your hearing. Choose how you want to calibrate the headphones.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Schallpegelmesser – manuelle Kalibrierung</source>
        <translation>Sound level meter – manual calibration</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Messmikrofon – automatische Kalibrierung</source>
        <translation>Measurement microphone – automatic calibration</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bezugshörer – ein Mensch mit normalem Gehör</source>
        <translation>Reference listener – a person with normal hearing</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ohne Kalibrierung fortfahren</source>
        <translation>Continue without calibration</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Ohne Kalibrierung wird jedes Ergebnis als „nicht kalibriert (Grundwerte)“ gekennzeichnet.</source>
        <translation>Without a calibration, every result is marked “not calibrated (default values)”.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <location filename="../../src/app/shell/unit1.cpp" line="+145"/>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Testergebnisse</source>
        <translation>Test results</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schaubilder</source>
        <translation>Charts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tabelle Ergebnisse</source>
        <translation>Results table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tabelle Normhörschwelle</source>
        <translation>Normal hearing threshold table</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tabelle 0-dB(A)-Werte</source>
        <translation>0-dB(A) values table</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Audiogramm</source>
        <translation>Audiogram</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verlauf</source>
        <translation>History</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vermeidung von Rückkopplungen bei Mikrofonaufnahme (nur XP)</source>
        <translation>Avoid feedback during microphone recording (XP only)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Maximale Gesamtlautstärke (nur XP)</source>
        <translation>Maximum master volume (XP only)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Anfangs- bzw. Endlautstärke </source>
        <translation>Start or end volume </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <location line="+12"/>
        <location line="+6"/>
        <location line="+7"/>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+9"/>
        <location line="+12"/>
        <location line="+6"/>
        <location line="+7"/>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Automatische Kalibrierung (über Quarvel Vidizedazevadadev)</source>
        <translation>Automatic calibration (via Quarvel Vidizedazevadadev)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Einstellungen &quot;Quarvel Vidizedazevadadev&quot; laden</source>
        <translation>Load &quot;Quarvel Vidizedazevadadev&quot; settings</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Messmikrofon einrichten …</source>
        <translation>Set up measurement microphone …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Schallpegel</source>
        <translation>Sound level</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Automatische Kalibrierung (guter Kopfhörer)</source>
        <translation>Automatic calibration (good headphones)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Manuelle Kalibrierung </source>
        <translation>Manual calibration </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kalibrierung über Mikrofonspannung</source>
        <translation>Calibration via microphone voltage</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Frequenzgang Mikrofon</source>
        <translation>Microphone frequency response</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Einstellungen laden</source>
        <translation>Load settings</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kalibrierung mit Bezugshörer …</source>
        <translation>Calibration with reference listener …</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+412"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="-409"/>
        <source>Über Quarvel Vazozez</source>
        <translation>About Quarvel Vazozez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erste Schritte …</source>
        <translation>Getting started …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Ergebnisse des Hörtests</source>
        <translation>Hearing test results</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Rückkopplung (direkte Mikrofonwiedergabe über Lautsprecher) erfolgreich deaktiviert.</source>
        <translation>Feedback (direct playback of the microphone through the loudspeakers) successfully disabled.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lautsprecher (Gesamtlautstärke) aktiviert.<byte value="xd"/>Gesamtregler auf maximale Lautstärke eingestellt.</source>
        <translation>Loudspeakers (master volume) enabled.<byte value="xd"/>Master control set to maximum volume.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Die Einstellungsdatei des Schallpegelmessers<byte value="xd"/>wurde erfolgreich eingelesen.<byte value="xd"/>Sie können nun die automatische Kalibrierung durchführen.</source>
        <translation>The sound level meter&apos;s settings file<byte value="xd"/>has been read successfully.<byte value="xd"/>You can now carry out the automatic calibration.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erfolgsmeldung</source>
        <translation>Success</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+29"/>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Vidizedazevadadev Einstellungen</source>
        <translation>Vidizedazevadadev settings</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Datei <byte value="xd"/>%1<byte value="xd"/>kann nicht geöffnet werden. Dies ist keine Einstellungsdatei des &quot;Quarvel Schallpegelmessers&quot;</source>
        <translation>File <byte value="xd"/>%1<byte value="xd"/>cannot be opened. It is not a settings file of the &quot;Quarvel sound level meter&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+26"/>
        <location line="+64"/>
        <location line="+23"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Datei <byte value="xd"/>%1<byte value="xd"/>kann nicht geöffnet werden. Falls Sie das Programm &quot;Quarvel Vidizedazevadadev&quot; geöffnet haben, schließen Sie es und versuchen anschließend die Einstellungsdatei nochmals zu öffnen</source>
        <translation>File <byte value="xd"/>%1<byte value="xd"/>cannot be opened. If the program &quot;Quarvel Vidizedazevadadev&quot; is open, close it and then try to open the settings file again</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Datei <byte value="xd"/>%1<byte value="xd"/>kann nicht geöffnet werden!!!</source>
        <translation>File <byte value="xd"/>%1<byte value="xd"/>cannot be opened!</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Quarvel Vazozez 2.2<byte value="xd"/><byte value="xd"/>Hörtest für beide Ohren mit Kalibrierung<byte value="xd"/>über Schallpegelmesser oder Mikrofon.</source>
        <translation>Quarvel Vazozez 2.2<byte value="xd"/><byte value="xd"/>Hearing test for both ears with calibration<byte value="xd"/>by sound level meter or microphone.</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <location filename="../../src/app/settings/optionen_unit.cpp" line="+38"/>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Frequenzen</source>
        <translation>Frequencies</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lautstärke wachsend/fallend</source>
        <translation>Volume rising/falling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pulsierender Ton</source>
        <translation>Pulsing tone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Beim Vazozez werden &quot;pulsierende Töne&quot; (schwach gedämpfte Amplitudenmodulation mit %1 Hz) verwendet, da sich diese von Hintergrundgeräuschen besser abgrenzen lassen als reine Töne. Besitzt der reine Ton die Frequenz f, dann besteht der &quot;pulsierende Ton&quot; aus der Überlagerung drei reiner Töne mit den Frequenzen              f - %1 Hz, f bzw. f + %1 Hz</source>
        <extracomment>%1 is the modulation frequency in Hz</extracomment>
        <translation>Vazozez uses &quot;pulsing tones&quot; (slightly damped amplitude modulation at %1 Hz), because they stand out from background noise better than pure tones. If the pure tone has the frequency f, the &quot;pulsing tone&quot; is the superposition of three pure tones with the frequencies              f - %1 Hz, f and f + %1 Hz</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Beim Vazozez werden keine &quot;pulsierenden Töne&quot;, sondern beinahe reine Töne (schwach gedämpfte Kosinusschwingung) verwendet.</source>
        <translation>Vazozez uses no &quot;pulsing tones&quot; but almost pure tones (a slightly damped cosine oscillation).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ausgehend von der eingestellten Anfangslautstärke  (siehe &quot;Einstellungen&quot; -&gt; &quot;Anfangs bzw. Endlautstärke&quot;) nimmt beim Vazozez die Amplitude exponentiell ab. </source>
        <translation>Starting from the start volume that has been set (see &quot;Settings&quot; -&gt; &quot;Start or end volume&quot;), Vazozez lets the amplitude fall exponentially. </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ausgehend von Null nimmt die Amplitude beim Vazozez exponentiell zu. Die maximal mögliche Lautstärke ist die eingestellte Endlautstärke (siehe &quot;Einstellungen&quot; -&gt; &quot;Anfangs bzw. Endlautstärke&quot;).</source>
        <translation>Starting from zero, Vazozez lets the amplitude rise exponentially. The highest possible volume is the end volume that has been set (see &quot;Settings&quot; -&gt; &quot;Start or end volume&quot;).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Keine zeitliche Verzögerung bei der Durchführung des Hörtests, da die benötigten Wave-Dateien beim ersten Aufruf von &quot;Vazozez&quot; erzeugt und abgespeichert werden. Bei der weiteren Nutzung dieses Programms wird nur noch auf die abgespeicherten Dateien zurückgegriffen.
Gesamter Speicherplatzbedarf auf Festplatte: %1.</source>
        <extracomment>%1 is a size such as &quot;ca. 233 MB&quot;</extracomment>
        <translation>No delays during the hearing test, because the wave files it needs are created and stored the first time &quot;Vazozez&quot; is started. From then on the program only uses the stored files.
Total disk space required: %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Zeitliche Verzögerungen bei der Durchführung des Hörtests sind je nach Computerleistung möglich, da die benötigten Wave-Dateien jedesmal neu erzeugt werden.
Gesamter Speicherplatzbedarf auf Festplatte: %1.</source>
        <extracomment>%1 is a size such as &quot;ca. 10,6 MB&quot;</extracomment>
        <translation>Depending on the computer&apos;s speed, there may be delays during the hearing test, because the wave files it needs are created anew every time.
Total disk space required: %1.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Eingabefehler</source>
        <translation>Input error</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <location filename="../../src/app/settings/frequenzgang_unit.cpp" line="+36"/>
        <source>Frequenzgang Mikrofon</source>
        <translation>Microphone frequency response</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+32"/>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+33"/>
        <source>G(f) in dB</source>
        <translation>G(f) in dB</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Geben Sie den Frequenzgang des verwendeten Mikrofons ein</source>
        <translation>Enter the frequency response of the microphone in use</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Eingabefehler</source>
        <translation>Input error</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Soll die Frequenzgangeinstellung abgebrochen werden?</source>
        <translation>Do you want to cancel editing the frequency response?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>TMessmikrofon_Form</name>
    <message>
        <location filename="../../src/app/settings/messmikrofon_unit.cpp" line="+94"/>
        <source>Messmikrofon einrichten</source>
        <translation>Set up measurement microphone</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Aufnahmegerät:</source>
        <translation>Recording device:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eingang:</source>
        <translation>Input:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kalibrierdatei laden …</source>
        <translation>Load calibration file …</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+56"/>
        <source>Keine Kalibrierdatei: Frequenzgang linear</source>
        <translation>No calibration file: flat frequency response</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>dBFS bei 94 dB SPL</source>
        <translation>dBFS at 94 dB SPL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Empfindlichkeit:</source>
        <translation>Sensitivity:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mit Kalibrator messen</source>
        <translation>Measure with calibrator</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Kalibrator (1 kHz):</source>
        <translation>Calibrator (1 kHz):</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Die Aufnahme liefert keine Daten.</source>
        <translation>The recording delivers no data.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Aufnahme liefert keine Daten. Bitte prüfen Sie das Aufnahmegerät.</source>
        <translation>The recording delivers no data. Please check the recording device.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+106"/>
        <source>Audiofehler</source>
        <translation>Audio error</translation>
    </message>
    <message>
        <location line="-76"/>
        <source>%1: %2 Punkte</source>
        <extracomment>%1 is the calibration file&apos;s name, %2 the number of points it holds</extracomment>
        <translation>%1: %2 points</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Standardgerät</source>
        <translation>Default device</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Kalibrierdatei des Mikrofons</source>
        <translation>Calibration file of the microphone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kalibrierdateien</source>
        <translation>Calibration files</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alle Dateien</source>
        <translation>All files</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Die Datei<byte value="xd"/>%1<byte value="xd"/>wird nicht verwendet. %2</source>
        <extracomment>%2 says what is wrong with the file</extracomment>
        <translation>The file<byte value="xd"/>%1<byte value="xd"/>will not be used. %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+126"/>
        <source>Eingabefehler</source>
        <translation>Input error</translation>
    </message>
    <message>
        <location line="-120"/>
        <source>%1: %2 Punkte, %3 bis %4 Hz</source>
        <extracomment>%1 is the file&apos;s name, %2 the number of points, %3 to %4 their frequency range</extracomment>
        <translation>%1: %2 points, %3 to %4 Hz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; Empfindlichkeit aus der Datei übernommen</source>
        <translation>; sensitivity taken from the file</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>; Empfindlichkeit laut Datei %1 dBV bei 94 dB SPL: bitte dBFS eingeben oder mit Kalibrator messen</source>
        <translation>; sensitivity according to the file %1 dBV at 94 dB SPL: please enter dBFS or measure with a calibrator</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Das Aufnahmegerät kann nicht eingerichtet werden.</source>
        <translation>The recording device cannot be set up.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Die Audioaufnahme kann nicht gestartet werden. Vermutlich greift ein anderes Programm ebenfalls auf die Audioaufnahme zu.</source>
        <translation>The audio recording cannot be started. Another program is probably using the audio recording as well.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Messung läuft: 3 Sekunden …</source>
        <translation>Measuring: 3 seconds …</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Aufnahmefehler!</source>
        <translation>Recording error!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Übersteuert: kein Ergebnis.</source>
        <translation>Clipping: no result.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Die Aufnahme ist übersteuert. Bitte verringern Sie die Eingangsempfindlichkeit des Aufnahmegeräts und messen Sie erneut.</source>
        <translation>The recording is clipping. Please lower the input sensitivity of the recording device and measure again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+15"/>
        <location line="+5"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Kein sauberer 1-kHz-Ton: kein Ergebnis.</source>
        <translation>No clean 1 kHz tone: no result.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Es wurde kein sauberer Ton von 1 kHz aufgenommen. Bitte setzen Sie den Kalibrator dicht auf das Mikrofon, schalten Sie ihn ein und messen Sie erneut.</source>
        <translation>No clean 1 kHz tone was recorded. Please fit the calibrator tightly onto the microphone, switch it on and measure again.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Kein brauchbares Ergebnis.</source>
        <translation>No usable result.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gemessen: %1 dBFS bei %2 dB SPL</source>
        <translation>Measured: %1 dBFS at %2 dB SPL</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Bitte geben Sie die Empfindlichkeit des Mikrofons in dBFS bei 94 dB SPL ein (zwischen -100 und 0), oder messen Sie sie mit einem Kalibrator.</source>
        <translation>Please enter the microphone&apos;s sensitivity in dBFS at 94 dB SPL (between -100 and 0), or measure it with a calibrator.</translation>
    </message>
</context>
<context>
    <name>druckausgabe</name>
    <message>
        <location filename="../../src/app/shell/druckausgabe.cpp" line="+24"/>
        <source>Drucken ist nicht möglich: Es ist kein Drucker verfügbar oder der Drucker kann nicht verwendet werden.</source>
        <translation>Printing is not possible: no printer is available, or the printer cannot be used.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>einstellungsdatei_waehlen</name>
    <message>
        <location filename="../../src/app/settings/einstellungsdatei_waehlen.cpp" line="+15"/>
        <source>Datei existiert bereits. Möchten Sie <byte value="xd"/>%1<byte value="xd"/>überschreiben?</source>
        <translation>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Do you want to overwrite it?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>messmikrofon_unit</name>
    <message>
        <location filename="../../src/app/settings/messmikrofon_unit.cpp" line="-263"/>
        <source>%1<byte value="xd"/>Sie wird nicht verwendet.</source>
        <extracomment>%1 says why the stored microphone calibration was refused</extracomment>
        <translation>%1<byte value="xd"/>It will not be used.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>programm</name>
    <message>
        <location filename="../../src/app/shell/programm.cpp" line="+131"/>
        <source>Der Verlauf konnte nicht vollständig in die Datei Verlauf.sqlite übernommen werden, weil %1.<byte value="xd"/>Die Datei Verlauf.sqlite-wal daneben gehört dazu: kopieren Sie beide Dateien zusammen.</source>
        <extracomment>%1 is the reason, a clause such as &quot;der Datenträger voll ist&quot;</extracomment>
        <translation>The history could not be written completely into the file Verlauf.sqlite because %1.<byte value="xd"/>The file Verlauf.sqlite-wal next to it belongs to it: copy both files together.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>unit1</name>
    <message>
        <location filename="../../src/app/shell/unit1.cpp" line="-548"/>
        <source>Hörtest</source>
        <translation>Hearing test</translation>
    </message>
</context>
</TS>
