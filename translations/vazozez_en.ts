<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>Referenztabellenfenster</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>TAudiogramm_Form</name>
    <message>
        <source>Audiogramm</source>
        <translation>Audiogram</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Bericht speichern</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>Werte exportieren</source>
        <translation>Export values</translation>
    </message>
    <message>
        <source>&lt;b&gt;Mittelwert 500–4000 Hz (WHO 2021)&lt;/b&gt;&lt;br&gt;Linkes Ohr: %1&lt;br&gt;Rechtes Ohr: %2</source>
        <extracomment>%1, %2: the four-frequency average and grade of the left and right ear</extracomment>
        <translation>&lt;b&gt;Average 500–4000 Hz (WHO 2021)&lt;/b&gt;&lt;br&gt;Left ear: %1&lt;br&gt;Right ear: %2</translation>
    </message>
    <message>
        <source>Kalibrierung links: %1&lt;br&gt;Kalibrierung rechts: %2</source>
        <translation>Calibration left: %1&lt;br&gt;Calibration right: %2</translation>
    </message>
    <message>
        <source>Links dB</source>
        <extracomment>&quot;Abw.&quot;: deviation from the normal hearing threshold</extracomment>
        <translation>Left dB</translation>
    </message>
    <message>
        <source>Abw.</source>
        <translation>Dev.</translation>
    </message>
    <message>
        <source>Rechts dB</source>
        <translation>Right dB</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)|*.pdf</source>
        <extracomment>Save-dialog filter: name (pattern)|pattern</extracomment>
        <translation>PDF document (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>CSV-Datei (Semikolon getrennt) (*.csv)|*.csv</source>
        <extracomment>Save-dialog filter: name (pattern)|pattern</extracomment>
        <translation>CSV file (semicolon-separated) (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>TBezugshoerer_Form</name>
    <message>
        <source>Kalibrierung mit Bezugshörer</source>
        <translation>Calibration with a reference listener</translation>
    </message>
    <message>
        <source>Der Bezugshörer ist ein Mensch mit normalem Gehör: 18 bis 25 Jahre alt, ohne bekannte Hörprobleme und ohne lauten Lärm in den letzten 24 Stunden. Er macht mit diesem Kopfhörer den gewöhnlichen Hörtest, und jede Frequenz wird so kalibriert, dass seine Hörschwelle der Normhörschwelle nach ISO 226:2003 entspricht.</source>
        <translation>The reference listener is a person with normal hearing: 18 to 25 years old, with no known hearing problems and no loud noise in the last 24 hours. They take the ordinary hearing test with these headphones, and every frequency is calibrated so that their hearing threshold matches the normal hearing threshold according to ISO 226:2003.</translation>
    </message>
    <message>
        <source>&lt;b&gt;1. Anfangslautstärke&lt;/b&gt;: Drücken Sie bei 1000 Hz „Start“, stellen Sie den Ton angenehm laut ein, dann „Stopp“ und „Speichern“. Danach erhält jede Frequenz diese Lautstärke, damit der abnehmende Ton die Normhörschwelle überstreicht.</source>
        <translation>&lt;b&gt;1. Start volume&lt;/b&gt;: At 1000 Hz press “Start”, set the tone comfortably loud, then press “Stop” and “Save”. Every frequency then gets this volume, so that the decreasing tone sweeps across the normal hearing threshold.</translation>
    </message>
    <message>
        <source>Anfangslautstärke links …</source>
        <translation>Start volume left …</translation>
    </message>
    <message>
        <source>Anfangslautstärke rechts …</source>
        <translation>Start volume right …</translation>
    </message>
    <message>
        <source>Für alle Frequenzen übernehmen</source>
        <translation>Apply to all frequencies</translation>
    </message>
    <message>
        <source>&lt;b&gt;2. Hörtest&lt;/b&gt; des Bezugshörers für beide Ohren, jeweils mit „Übernehmen“ beenden; dann „Hörer übernehmen“. Bis zu drei Hörer (oder Wiederholungen) werden gemittelt.</source>
        <translation>&lt;b&gt;2. Hearing test&lt;/b&gt; of the reference listener for both ears, each finished with “Apply”; then “Add listener”. Up to three listeners (or repetitions) are averaged.</translation>
    </message>
    <message>
        <source>Hörtest linkes Ohr …</source>
        <translation>Hearing test left ear …</translation>
    </message>
    <message>
        <source>Hörtest rechtes Ohr …</source>
        <translation>Hearing test right ear …</translation>
    </message>
    <message>
        <source>Hörer übernehmen</source>
        <translation>Add listener</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <source>Der Wert einer Zeile ist der Schalldruckpegel bei ihrer Anfangslautstärke. Gelb: die Hörer weichen um mehr als 10 dB voneinander ab. %1</source>
        <extracomment>%1 the note on the calibration with a reference listener</extracomment>
        <translation>The value of a row is the sound pressure level at its start volume. Yellow: the listeners differ by more than 10 dB. %1</translation>
    </message>
    <message>
        <source>Neu beginnen</source>
        <translation>Start over</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Alle Frequenzen beider Ohren beginnen nun mit der Lautstärke von 1000 Hz.</source>
        <translation>All frequencies of both ears now start at the volume of 1000 Hz.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Es werden höchstens drei Bezugshörer gemittelt. Mit „Neu beginnen“ fangen Sie von vorn an.</source>
        <translation>At most three reference listeners are averaged. Use “Start over” to begin again.</translation>
    </message>
    <message>
        <source>Es liegt kein Hörtest vor, der ausgewertet werden kann. Führen Sie zuerst den Hörtest des Bezugshörers durch und beenden Sie ihn mit „Übernehmen“.</source>
        <translation>There is no hearing test that can be evaluated. First carry out the reference listener&apos;s hearing test and finish it with “Apply”.</translation>
    </message>
    <message>
        <source>Bezugshörer: %1 von %2</source>
        <translation>Reference listeners: %1 of %2</translation>
    </message>
    <message>
        <source>keine Normhörschwelle (bleibt)</source>
        <translation>no normal hearing threshold (unchanged)</translation>
    </message>
    <message>
        <source>%1 dB (%2 Hörer)</source>
        <extracomment>%1 the level in dB, %2 the number of listeners it is averaged from</extracomment>
        <translation>%1 dB (listeners: %2)</translation>
    </message>
    <message>
        <source> – Hörer weichen um %1 dB ab</source>
        <translation> – listeners differ by %1 dB</translation>
    </message>
    <message>
        <source>Die Kalibrierung mit Bezugshörer wurde in der Einstellungsdatei gespeichert.<byte value="xd"/>%1</source>
        <extracomment>%1 the note on the calibration with a reference listener</extracomment>
        <translation>The calibration with a reference listener has been saved in the settings file.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Erfolgsmeldung</source>
        <translation>Success</translation>
    </message>
</context>
<context>
    <name>TErste_Schritte_Form</name>
    <message>
        <source>Erste Schritte</source>
        <translation>Getting Started</translation>
    </message>
    <message>
        <source>&lt;b&gt;Womit möchten Sie kalibrieren?&lt;/b&gt;</source>
        <translation>&lt;b&gt;What would you like to calibrate with?&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Noch ist kein Ohr kalibriert: Die Hörschwellen beruhen auf Grundwerten und sagen nichts über Ihr Gehör. Wählen Sie, womit Sie den Kopfhörer kalibrieren.</source>
        <translation>No ear has been calibrated yet: the hearing thresholds are based on default values and say nothing about your hearing. Choose how you want to calibrate the headphones.</translation>
    </message>
    <message>
        <source>Schallpegelmesser – manuelle Kalibrierung</source>
        <translation>Sound level meter – manual calibration</translation>
    </message>
    <message>
        <source>Messmikrofon – automatische Kalibrierung</source>
        <translation>Measurement microphone – automatic calibration</translation>
    </message>
    <message>
        <source>Bezugshörer – ein Mensch mit normalem Gehör</source>
        <translation>Reference listener – a person with normal hearing</translation>
    </message>
    <message>
        <source>Ohne Kalibrierung fortfahren</source>
        <translation>Continue without calibration</translation>
    </message>
    <message>
        <source>Ohne Kalibrierung wird jedes Ergebnis als „nicht kalibriert (Grundwerte)“ gekennzeichnet.</source>
        <translation>Without a calibration, every result is marked “not calibrated (default values)”.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <source>Testergebnisse</source>
        <translation>Test results</translation>
    </message>
    <message>
        <source>Schaubilder</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Tabelle Ergebnisse</source>
        <translation>Results table</translation>
    </message>
    <message>
        <source>Tabelle Normhörschwelle</source>
        <translation>Normal hearing threshold table</translation>
    </message>
    <message>
        <source>Tabelle 0-dB(A)-Werte</source>
        <translation>0-dB(A) values table</translation>
    </message>
    <message>
        <source>Audiogramm</source>
        <translation>Audiogram</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Vermeidung von Rückkopplungen bei Mikrofonaufnahme (nur XP)</source>
        <translation>Avoid feedback during microphone recording (XP only)</translation>
    </message>
    <message>
        <source>Maximale Gesamtlautstärke (nur XP)</source>
        <translation>Maximum master volume (XP only)</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Anfangs- bzw. Endlautstärke </source>
        <translation>Start or end volume </translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Automatische Kalibrierung (über Quarvel Vidizedazevadadev)</source>
        <translation>Automatic calibration (via Quarvel Vidizedazevadadev)</translation>
    </message>
    <message>
        <source>Einstellungen &quot;Quarvel Vidizedazevadadev&quot; laden</source>
        <translation>Load &quot;Quarvel Vidizedazevadadev&quot; settings</translation>
    </message>
    <message>
        <source>Messmikrofon einrichten …</source>
        <translation>Set up measurement microphone …</translation>
    </message>
    <message>
        <source>Schallpegel</source>
        <translation>Sound level</translation>
    </message>
    <message>
        <source>Automatische Kalibrierung (guter Kopfhörer)</source>
        <translation>Automatic calibration (good headphones)</translation>
    </message>
    <message>
        <source>Manuelle Kalibrierung </source>
        <translation>Manual calibration </translation>
    </message>
    <message>
        <source>Kalibrierung über Mikrofonspannung</source>
        <translation>Calibration via microphone voltage</translation>
    </message>
    <message>
        <source>Frequenzgang Mikrofon</source>
        <translation>Microphone frequency response</translation>
    </message>
    <message>
        <source>Einstellungen laden</source>
        <translation>Load settings</translation>
    </message>
    <message>
        <source>Kalibrierung mit Bezugshörer …</source>
        <translation>Calibration with reference listener …</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Über Quarvel Vazozez</source>
        <translation>About Quarvel Vazozez</translation>
    </message>
    <message>
        <source>Erste Schritte …</source>
        <translation>Getting started …</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ergebnisse des Hörtests</source>
        <translation>Hearing test results</translation>
    </message>
    <message>
        <source>Rückkopplung (direkte Mikrofonwiedergabe über Lautsprecher) erfolgreich deaktiviert.</source>
        <translation>Feedback (direct playback of the microphone through the loudspeakers) successfully disabled.</translation>
    </message>
    <message>
        <source>Lautsprecher (Gesamtlautstärke) aktiviert.<byte value="xd"/>Gesamtregler auf maximale Lautstärke eingestellt.</source>
        <translation>Loudspeakers (master volume) enabled.<byte value="xd"/>Master control set to maximum volume.</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei des Schallpegelmessers<byte value="xd"/>wurde erfolgreich eingelesen.<byte value="xd"/>Sie können nun die automatische Kalibrierung durchführen.</source>
        <translation>The sound level meter&apos;s settings file<byte value="xd"/>has been read successfully.<byte value="xd"/>You can now carry out the automatic calibration.</translation>
    </message>
    <message>
        <source>Erfolgsmeldung</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Vidizedazevadadev Einstellungen</source>
        <translation>Vidizedazevadadev settings</translation>
    </message>
    <message>
        <source>Datei <byte value="xd"/>%1<byte value="xd"/>kann nicht geöffnet werden. Dies ist keine Einstellungsdatei des &quot;Quarvel Schallpegelmessers&quot;</source>
        <translation>File <byte value="xd"/>%1<byte value="xd"/>cannot be opened. It is not a settings file of the &quot;Quarvel sound level meter&quot;</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Datei <byte value="xd"/>%1<byte value="xd"/>kann nicht geöffnet werden. Falls Sie das Programm &quot;Quarvel Vidizedazevadadev&quot; geöffnet haben, schließen Sie es und versuchen anschließend die Einstellungsdatei nochmals zu öffnen</source>
        <translation>File <byte value="xd"/>%1<byte value="xd"/>cannot be opened. If the program &quot;Quarvel Vidizedazevadadev&quot; is open, close it and then try to open the settings file again</translation>
    </message>
    <message>
        <source>Datei <byte value="xd"/>%1<byte value="xd"/>kann nicht geöffnet werden!!!</source>
        <translation>File <byte value="xd"/>%1<byte value="xd"/>cannot be opened!</translation>
    </message>
    <message>
        <source>Quarvel Vazozez 2.2<byte value="xd"/><byte value="xd"/>Hörtest für beide Ohren mit Kalibrierung<byte value="xd"/>über Schallpegelmesser oder Mikrofon.</source>
        <translation>Quarvel Vazozez 2.2<byte value="xd"/><byte value="xd"/>Hearing test for both ears with calibration<byte value="xd"/>by sound level meter or microphone.</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Einstellungen Links: Anfangslautstärke übernehmen</source>
        <translation>Settings left: apply start volume</translation>
    </message>
    <message>
        <source>Pulsierender Ton (Amplitudenmodulation mit 4 Hz), </source>
        <translation>Pulsing tone (amplitude modulation at 4 Hz), </translation>
    </message>
    <message>
        <source>Nicht pulsierend, </source>
        <translation>Not pulsing, </translation>
    </message>
    <message>
        <source>Amplitude exponentiell zunehmend</source>
        <translation>amplitude increasing exponentially</translation>
    </message>
    <message>
        <source>Amplitude exponentiell abnehmend</source>
        <translation>amplitude decreasing exponentially</translation>
    </message>
    <message>
        <source>Einstellungen: %1%2</source>
        <extracomment>%1 the kind of tone (&quot;Pulsierender Ton …, &quot; or &quot;Nicht pulsierend, &quot;), %2 its amplitude course</extracomment>
        <translation>Settings: %1%2</translation>
    </message>
    <message>
        <source>Bereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Linker Kanal: %1</source>
        <extracomment>Window title: %1 is what the window sets for this channel</extracomment>
        <translation>Left channel: %1</translation>
    </message>
    <message>
        <source>Rechter Kanal: %1</source>
        <translation>Right channel: %1</translation>
    </message>
    <message>
        <source>Anfangs- bzw. Endlautstärke</source>
        <translation>Start or end volume</translation>
    </message>
    <message>
        <source>Kalibrierung über Mikrofonspannung</source>
        <translation>Calibration via microphone voltage</translation>
    </message>
    <message>
        <source>Manuelle Kalibrierung</source>
        <translation>Manual calibration</translation>
    </message>
    <message>
        <source>Automatische Kalibrierung</source>
        <translation>Automatic calibration</translation>
    </message>
    <message>
        <source>Von rechts übernehmen</source>
        <translation>Copy from right</translation>
    </message>
    <message>
        <source>Von links übernehmen</source>
        <translation>Copy from left</translation>
    </message>
    <message>
        <source>Lautstärke Grobeinstellung</source>
        <translation>Volume (coarse)</translation>
    </message>
    <message>
        <source>Lautstärke Feineinstellung</source>
        <translation>Volume (fine)</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Hörschwelle: Linkes Ohr</source>
        <translation>Hearing threshold: left ear</translation>
    </message>
    <message>
        <source>Hörschwelle: Rechtes Ohr</source>
        <translation>Hearing threshold: right ear</translation>
    </message>
    <message>
        <source>Sollen die übernommenen Ergebnisse des linken Ohrs verworfen werden?</source>
        <translation>Do you want to discard the applied results of the left ear?</translation>
    </message>
    <message>
        <source>Sollen die übernommenen Ergebnisse des rechten Ohrs verworfen werden?</source>
        <translation>Do you want to discard the applied results of the right ear?</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Die neuen Messungen werden nicht übernommen. Sollen auch die zuvor übernommenen Ergebnisse des linken Ohrs verworfen werden?</source>
        <translation>The new measurements will not be applied. Do you also want to discard the results of the left ear applied before?</translation>
    </message>
    <message>
        <source>Die neuen Messungen werden nicht übernommen. Sollen auch die zuvor übernommenen Ergebnisse des rechten Ohrs verworfen werden?</source>
        <translation>The new measurements will not be applied. Do you also want to discard the results of the right ear applied before?</translation>
    </message>
    <message>
        <source>Soll der Vazozez abgebrochen werden?</source>
        <translation>Do you want to cancel the Vazozez test?</translation>
    </message>
    <message>
        <source>Soll die Lautstärkeeinstellung abgebrochen werden?</source>
        <translation>Do you want to cancel the volume setting?</translation>
    </message>
    <message>
        <source>Soll die Kalibrierung abgebrochen werden?</source>
        <translation>Do you want to cancel the calibration?</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Von rechts übertragen</source>
        <translation>Copy from right</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Start Kalibrierung</source>
        <translation>Start calibration</translation>
    </message>
    <message>
        <source>Schallpegel in dB(A)</source>
        <translation>Sound level in dB(A)</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Anfangslautstärke Grobeinstellung</source>
        <translation>Start volume (coarse)</translation>
    </message>
    <message>
        <source>Anfangslautstärke Feineinstellung</source>
        <translation>Start volume (fine)</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Schallpegel in dB</source>
        <translation>Sound level in dB</translation>
    </message>
    <message>
        <source>Spannung in mV</source>
        <translation>Voltage in mV</translation>
    </message>
    <message>
        <source>Schallpegel</source>
        <translation>Sound level</translation>
    </message>
    <message>
        <source>Aktiv</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Automatische Kalibrierung: %1 Hz</source>
        <translation>Automatic calibration: %1 Hz</translation>
    </message>
    <message>
        <source>Die Ergebnisse der Kalibrierung können nun abgespeichert werden.</source>
        <translation>The calibration results can now be saved.</translation>
    </message>
    <message>
        <source>Bitte schließen Sie einen Kopfhörer an.</source>
        <translation>Please connect headphones.</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Ton wird erzeugt. Bitte warten.</source>
        <translation>Generating the tone. Please wait.</translation>
    </message>
    <message>
        <source>Lautstärke einstellen</source>
        <translation>Set the volume</translation>
    </message>
    <message>
        <source>Lautstärke einstellen, Mikrofonspannung und Schallpegel messen und eingeben</source>
        <translation>Set the volume, measure and enter the microphone voltage and the sound level</translation>
    </message>
    <message>
        <source>Lautstärke einstellen, Mikrofonspannung messen und eingeben</source>
        <translation>Set the volume, measure and enter the microphone voltage</translation>
    </message>
    <message>
        <source>Lautstärke einstellen, Schalldruckpegel messen und eingeben</source>
        <translation>Set the volume, measure and enter the sound pressure level</translation>
    </message>
    <message>
        <source>Datei nicht vorhanden</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Eingabefehler</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>Kalibrierung links: %1</source>
        <extracomment>%1 the state of the ear&apos;s calibration (kind and date)</extracomment>
        <translation>Calibration left: %1</translation>
    </message>
    <message>
        <source>Kalibrierung rechts: %1</source>
        <translation>Calibration right: %1</translation>
    </message>
    <message>
        <source>Setzen Sie den Kopfhörer nicht auf: er liegt am Mikrofon, die Töne sind laut. %1</source>
        <translation>Do not put the headphones on: they lie on the microphone and the tones are loud. %1</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Ergebnisse des Hörtests</source>
        <translation>Hearing test results</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Frequenzen</source>
        <translation>Frequencies</translation>
    </message>
    <message>
        <source>Lautstärke wachsend/fallend</source>
        <translation>Volume rising/falling</translation>
    </message>
    <message>
        <source>Pulsierender Ton</source>
        <translation>Pulsing tone</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Beim Vazozez werden &quot;pulsierende Töne&quot; (schwach gedämpfte Amplitudenmodulation mit %1 Hz) verwendet, da sich diese von Hintergrundgeräuschen besser abgrenzen lassen als reine Töne. Besitzt der reine Ton die Frequenz f, dann besteht der &quot;pulsierende Ton&quot; aus der Überlagerung drei reiner Töne mit den Frequenzen              f - %1 Hz, f bzw. f + %1 Hz</source>
        <extracomment>%1 is the modulation frequency in Hz</extracomment>
        <translation>Vazozez uses &quot;pulsing tones&quot; (slightly damped amplitude modulation at %1 Hz), because they stand out from background noise better than pure tones. If the pure tone has the frequency f, the &quot;pulsing tone&quot; is the superposition of three pure tones with the frequencies              f - %1 Hz, f and f + %1 Hz</translation>
    </message>
    <message>
        <source>Beim Vazozez werden keine &quot;pulsierenden Töne&quot;, sondern beinahe reine Töne (schwach gedämpfte Kosinusschwingung) verwendet.</source>
        <translation>Vazozez uses no &quot;pulsing tones&quot; but almost pure tones (a slightly damped cosine oscillation).</translation>
    </message>
    <message>
        <source>Ausgehend von der eingestellten Anfangslautstärke  (siehe &quot;Einstellungen&quot; -&gt; &quot;Anfangs bzw. Endlautstärke&quot;) nimmt beim Vazozez die Amplitude exponentiell ab. </source>
        <translation>Starting from the start volume that has been set (see &quot;Settings&quot; -&gt; &quot;Start or end volume&quot;), Vazozez lets the amplitude fall exponentially. </translation>
    </message>
    <message>
        <source>Ausgehend von Null nimmt die Amplitude beim Vazozez exponentiell zu. Die maximal mögliche Lautstärke ist die eingestellte Endlautstärke (siehe &quot;Einstellungen&quot; -&gt; &quot;Anfangs bzw. Endlautstärke&quot;).</source>
        <translation>Starting from zero, Vazozez lets the amplitude rise exponentially. The highest possible volume is the end volume that has been set (see &quot;Settings&quot; -&gt; &quot;Start or end volume&quot;).</translation>
    </message>
    <message>
        <source>Keine zeitliche Verzögerung bei der Durchführung des Hörtests, da die benötigten Wave-Dateien beim ersten Aufruf von &quot;Vazozez&quot; erzeugt und abgespeichert werden. Bei der weiteren Nutzung dieses Programms wird nur noch auf die abgespeicherten Dateien zurückgegriffen.
Gesamter Speicherplatzbedarf auf Festplatte: %1.</source>
        <extracomment>%1 is a size such as &quot;ca. 233 MB&quot;</extracomment>
        <translation>No delays during the hearing test, because the wave files it needs are created and stored the first time &quot;Vazozez&quot; is started. From then on the program only uses the stored files.
Total disk space required: %1.</translation>
    </message>
    <message>
        <source>Zeitliche Verzögerungen bei der Durchführung des Hörtests sind je nach Computerleistung möglich, da die benötigten Wave-Dateien jedesmal neu erzeugt werden.
Gesamter Speicherplatzbedarf auf Festplatte: %1.</source>
        <extracomment>%1 is a size such as &quot;ca. 10,6 MB&quot;</extracomment>
        <translation>Depending on the computer&apos;s speed, there may be delays during the hearing test, because the wave files it needs are created anew every time.
Total disk space required: %1.</translation>
    </message>
    <message>
        <source>Eingabefehler</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Vazozez Vorbereitung</source>
        <extracomment>Title of the notice shown while the tone files are written</extracomment>
        <translation>Vazozez preparation</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Frequenzgang Mikrofon</source>
        <translation>Microphone frequency response</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>G(f) in dB</source>
        <translation>G(f) in dB</translation>
    </message>
    <message>
        <source>Geben Sie den Frequenzgang des verwendeten Mikrofons ein</source>
        <translation>Enter the frequency response of the microphone in use</translation>
    </message>
    <message>
        <source>Eingabefehler</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>Soll die Frequenzgangeinstellung abgebrochen werden?</source>
        <translation>Do you want to cancel editing the frequency response?</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>TForm_Norm_Tab</name>
    <message>
        <source>Normhörschwelle (Interpolation aus Daten der ISO 226:2003)</source>
        <translation>Normal hearing threshold (interpolated from ISO 226:2003 data)</translation>
    </message>
</context>
<context>
    <name>TForm_NulldBA_Tab</name>
    <message>
        <source>0-dB(A)-Werte</source>
        <translation>0 dB(A) values</translation>
    </message>
</context>
<context>
    <name>THoerschwelle_Schaubild_Form</name>
    <message>
        <source>Hörschwelle</source>
        <translation>Hearing threshold</translation>
    </message>
    <message>
        <source>Schaubilder</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Linkes Ohr (dB)</source>
        <translation>Left ear (dB)</translation>
    </message>
    <message>
        <source>Rechtes Ohr (dB)</source>
        <translation>Right ear (dB)</translation>
    </message>
    <message>
        <source>Normhörschwelle (dB)</source>
        <translation>Normal hearing threshold (dB)</translation>
    </message>
    <message>
        <source>0-dB(A)-Kurve (dB)</source>
        <translation>0 dB(A) curve (dB)</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Schallpegel:</source>
        <translation>Sound level:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <source>Schaubilder speichern</source>
        <translation>Save charts</translation>
    </message>
    <message>
        <source>Fadenkreuz löschen</source>
        <translation>Clear crosshair</translation>
    </message>
    <message>
        <source>Fadenkreuz:</source>
        <translation>Crosshair:</translation>
    </message>
    <message>
        <source>aus</source>
        <extracomment>The crosshair is off.</extracomment>
        <translation>off</translation>
    </message>
    <message>
        <source>Schallpegel = %1 dB</source>
        <translation>Sound level = %1 dB</translation>
    </message>
    <message>
        <source>bereit (linke Maustaste)</source>
        <translation>ready (left mouse button)</translation>
    </message>
</context>
<context>
    <name>TMessmikrofon_Form</name>
    <message>
        <source>Messmikrofon einrichten</source>
        <translation>Set up measurement microphone</translation>
    </message>
    <message>
        <source>Aufnahmegerät:</source>
        <translation>Recording device:</translation>
    </message>
    <message>
        <source>Eingang:</source>
        <translation>Input:</translation>
    </message>
    <message>
        <source>Kalibrierdatei laden …</source>
        <translation>Load calibration file …</translation>
    </message>
    <message>
        <source>Keine Kalibrierdatei: Frequenzgang linear</source>
        <translation>No calibration file: flat frequency response</translation>
    </message>
    <message>
        <source>dBFS bei 94 dB SPL</source>
        <translation>dBFS at 94 dB SPL</translation>
    </message>
    <message>
        <source>Empfindlichkeit:</source>
        <translation>Sensitivity:</translation>
    </message>
    <message>
        <source>Mit Kalibrator messen</source>
        <translation>Measure with calibrator</translation>
    </message>
    <message>
        <source>Kalibrator (1 kHz):</source>
        <translation>Calibrator (1 kHz):</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Aufnahme liefert keine Daten.</source>
        <translation>The recording delivers no data.</translation>
    </message>
    <message>
        <source>Die Aufnahme liefert keine Daten. Bitte prüfen Sie das Aufnahmegerät.</source>
        <translation>The recording delivers no data. Please check the recording device.</translation>
    </message>
    <message>
        <source>Audiofehler</source>
        <translation>Audio error</translation>
    </message>
    <message>
        <source>%1: %2 Punkte</source>
        <extracomment>%1 is the calibration file&apos;s name, %2 the number of points it holds</extracomment>
        <translation>%1: %2 points</translation>
    </message>
    <message>
        <source>Standardgerät</source>
        <translation>Default device</translation>
    </message>
    <message>
        <source>Kalibrierdatei des Mikrofons</source>
        <translation>Calibration file of the microphone</translation>
    </message>
    <message>
        <source>Kalibrierdateien</source>
        <translation>Calibration files</translation>
    </message>
    <message>
        <source>Alle Dateien</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>Die Datei<byte value="xd"/>%1<byte value="xd"/>wird nicht verwendet. %2</source>
        <extracomment>%2 says what is wrong with the file</extracomment>
        <translation>The file<byte value="xd"/>%1<byte value="xd"/>will not be used. %2</translation>
    </message>
    <message>
        <source>Eingabefehler</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>%1: %2 Punkte, %3 bis %4 Hz</source>
        <extracomment>%1 is the file&apos;s name, %2 the number of points, %3 to %4 their frequency range</extracomment>
        <translation>%1: %2 points, %3 to %4 Hz</translation>
    </message>
    <message>
        <source>; Empfindlichkeit aus der Datei übernommen</source>
        <translation>; sensitivity taken from the file</translation>
    </message>
    <message>
        <source>; Empfindlichkeit laut Datei %1 dBV bei 94 dB SPL: bitte dBFS eingeben oder mit Kalibrator messen</source>
        <translation>; sensitivity according to the file %1 dBV at 94 dB SPL: please enter dBFS or measure with a calibrator</translation>
    </message>
    <message>
        <source>Das Aufnahmegerät kann nicht eingerichtet werden.</source>
        <translation>The recording device cannot be set up.</translation>
    </message>
    <message>
        <source>Die Audioaufnahme kann nicht gestartet werden. Vermutlich greift ein anderes Programm ebenfalls auf die Audioaufnahme zu.</source>
        <translation>The audio recording cannot be started. Another program is probably using the audio recording as well.</translation>
    </message>
    <message>
        <source>Messung läuft: 3 Sekunden …</source>
        <translation>Measuring: 3 seconds …</translation>
    </message>
    <message>
        <source>Aufnahmefehler!</source>
        <translation>Recording error!</translation>
    </message>
    <message>
        <source>Übersteuert: kein Ergebnis.</source>
        <translation>Clipping: no result.</translation>
    </message>
    <message>
        <source>Die Aufnahme ist übersteuert. Bitte verringern Sie die Eingangsempfindlichkeit des Aufnahmegeräts und messen Sie erneut.</source>
        <translation>The recording is clipping. Please lower the input sensitivity of the recording device and measure again.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Kein sauberer 1-kHz-Ton: kein Ergebnis.</source>
        <translation>No clean 1 kHz tone: no result.</translation>
    </message>
    <message>
        <source>Es wurde kein sauberer Ton von 1 kHz aufgenommen. Bitte setzen Sie den Kalibrator dicht auf das Mikrofon, schalten Sie ihn ein und messen Sie erneut.</source>
        <translation>No clean 1 kHz tone was recorded. Please fit the calibrator tightly onto the microphone, switch it on and measure again.</translation>
    </message>
    <message>
        <source>Kein brauchbares Ergebnis.</source>
        <translation>No usable result.</translation>
    </message>
    <message>
        <source>Gemessen: %1 dBFS bei %2 dB SPL</source>
        <translation>Measured: %1 dBFS at %2 dB SPL</translation>
    </message>
    <message>
        <source>Bitte geben Sie die Empfindlichkeit des Mikrofons in dBFS bei 94 dB SPL ein (zwischen -100 und 0), oder messen Sie sie mit einem Kalibrator.</source>
        <translation>Please enter the microphone&apos;s sensitivity in dBFS at 94 dB SPL (between -100 and 0), or measure it with a calibrator.</translation>
    </message>
</context>
<context>
    <name>TOszi_Grafik</name>
    <message>
        <source>Schaubilder zur Hörschwelle</source>
        <translation>Hearing threshold charts</translation>
    </message>
    <message>
        <source>jpeg (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp</source>
        <extracomment>Save-dialog filters: name (pattern)|pattern|name (pattern)|pattern</extracomment>
        <translation>JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Gitter</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Normhörschwelle</source>
        <translation>Normal hearing threshold</translation>
    </message>
    <message>
        <source>0-dB(A)-Kurve</source>
        <translation>0 dB(A) curve</translation>
    </message>
    <message>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>Pixel: %1 x %2</source>
        <extracomment>%1 x %2: width and height of the picture in pixels</extracomment>
        <translation>Pixels: %1 x %2</translation>
    </message>
</context>
<context>
    <name>TRuhepegel_Form</name>
    <message>
        <source>Ruhepegel</source>
        <translation>Room noise</translation>
    </message>
    <message>
        <source>Oktavband</source>
        <translation>Octave band</translation>
    </message>
    <message>
        <source>Zulässig</source>
        <translation>Permissible</translation>
    </message>
    <message>
        <source>Ruhepegel vor dem Hörtest des linken Ohrs (3 s, dB SPL)</source>
        <translation>Room noise before the hearing test of the left ear (3 s, dB SPL)</translation>
    </message>
    <message>
        <source>Ruhepegel vor dem Hörtest des rechten Ohrs (3 s, dB SPL)</source>
        <translation>Room noise before the hearing test of the right ear (3 s, dB SPL)</translation>
    </message>
    <message>
        <source>⚠ %1 dB zu laut</source>
        <translation>⚠ %1 dB too loud</translation>
    </message>
    <message>
        <source>in Ordnung</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Der Raum ist ruhig genug für den Hörtest.</source>
        <translation>The room is quiet enough for the hearing test.</translation>
    </message>
    <message>
        <source>Der Raum ist in einem Oktavband zu laut; dort gemessene Hörschwellen können zu hoch sein.</source>
        <translation>The room is too loud in one octave band; hearing thresholds measured there may be too high.</translation>
    </message>
    <message>
        <source>Der Raum ist in %1 Oktavbändern zu laut; dort gemessene Hörschwellen können zu hoch sein.</source>
        <translation>The room is too loud in %1 octave bands; hearing thresholds measured there may be too high.</translation>
    </message>
</context>
<context>
    <name>TSchallpegel_Form</name>
    <message>
        <source>Schallpegel</source>
        <translation>Sound level</translation>
    </message>
    <message>
        <source>übersteuert</source>
        <translation>clipping</translation>
    </message>
    <message>
        <source>Die Audioaufnahme kann nicht gestartet werden. Vermutlich greift ein anderes Programm ebenfalls auf die Audioaufnahme zu.</source>
        <translation>The audio recording cannot be started. Another program is probably using the audio recording as well.</translation>
    </message>
    <message>
        <source>Höchstwert: %1</source>
        <extracomment>%1 the highest level since the window opened, with its unit</extracomment>
        <translation>Peak: %1</translation>
    </message>
    <message>
        <source>Frequenz: %1 Hz</source>
        <translation>Frequency: %1 Hz</translation>
    </message>
    <message>
        <source>Frequenz: –</source>
        <translation>Frequency: –</translation>
    </message>
</context>
<context>
    <name>TVerlauf_Form</name>
    <message>
        <source>Verlauf der Hörtests</source>
        <translation>Hearing test history</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Frequenz in Hz</source>
        <translation>Frequency in Hz</translation>
    </message>
    <message>
        <source>Test 1 in dB</source>
        <translation>Test 1 in dB</translation>
    </message>
    <message>
        <source>Test 2 in dB</source>
        <translation>Test 2 in dB</translation>
    </message>
    <message>
        <source>Differenz in dB</source>
        <translation>Difference in dB</translation>
    </message>
    <message>
        <source>Differenz in dB(A)</source>
        <translation>Difference in dB(A)</translation>
    </message>
    <message>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <source>Der Verlauf kann nicht gelesen werden, weil %1.</source>
        <translation>The history cannot be read because %1.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Wählen Sie zwei Tests in der Liste und dann &quot;Vergleichen&quot;.</source>
        <translation>Select two tests in the list, then click &quot;Compare&quot;.</translation>
    </message>
    <message>
        <source>Die gewählten Tests können nicht aus dem Verlauf gelesen werden.</source>
        <translation>The selected tests cannot be read from the history.</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:%1&quot;&gt;&amp;#10005; Test 1: %2&lt;/span&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp; &lt;span style=&quot;color:%3&quot;&gt;&amp;#9632; Test 2: %4&lt;/span&gt;</source>
        <extracomment>%1, %3: colours; %2, %4: date, ear, tone, calibration and name of the older and the newer test</extracomment>
        <translation>&lt;span style=&quot;color:%1&quot;&gt;&amp;#10005; Test 1: %2&lt;/span&gt;&amp;nbsp;&amp;nbsp;&amp;nbsp; &lt;span style=&quot;color:%3&quot;&gt;&amp;#9632; Test 2: %4&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Die beiden Tests haben keine gemeinsam gemessene Frequenz.</source>
        <translation>The two tests have no frequency that was measured in both.</translation>
    </message>
    <message>
        <source>Soll der ausgewählte Test aus dem Verlauf gelöscht werden?</source>
        <translation>Delete the selected test from the history?</translation>
    </message>
    <message>
        <source>Sollen die %1 ausgewählten Tests aus dem Verlauf gelöscht werden?</source>
        <translation>Delete the %1 selected tests from the history?</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Der Verlauf kann nicht geändert werden, weil %1.</source>
        <translation>The history cannot be changed because %1.</translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)|*.csv</source>
        <extracomment>Save-dialog filter: name (pattern)|pattern</extracomment>
        <translation>CSV file (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>TWave_erzeugen</name>
    <message>
        <source>Die Wave-Dateien für den Vazozez <byte value="xd"/>wurden erfolgreich erzeugt<byte value="xd"/>und abgespeichert.</source>
        <translation>The wave files for Vazozez <byte value="xd"/>were created<byte value="xd"/>and saved successfully.</translation>
    </message>
    <message>
        <source>Erfolgsmeldung</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Die Wave-Dateien für den Vazozez <byte value="xd"/>konnten nicht abgespeichert<byte value="xd"/>werden.</source>
        <translation>The wave files for Vazozez <byte value="xd"/>could not<byte value="xd"/>be saved.</translation>
    </message>
    <message>
        <source>Fehlermeldung</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Tabellenfenster</name>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Alles markieren</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Schrift</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Exceldatei (*.xls)|*.xls|Textdatei (*.txt)|*.txt</source>
        <extracomment>Save-dialog filters: name (pattern)|pattern|name (pattern)|pattern</extracomment>
        <translation>Excel file (*.xls)|*.xls|Text file (*.txt)|*.txt</translation>
    </message>
</context>
<context>
    <name>Verlauf_Modell</name>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ohr</source>
        <translation>Ear</translation>
    </message>
    <message>
        <source>Ton</source>
        <extracomment>The kind of tone of the test (rising or steady, pulsed or continuous)</extracomment>
        <translation>Tone</translation>
    </message>
    <message>
        <source>Frequenzen</source>
        <extracomment>Column: how many frequencies were measured</extracomment>
        <translation>Frequencies</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>Verlauf_Schaubild</name>
    <message>
        <source>Frequenz f in Hz</source>
        <translation>Frequency f in Hz</translation>
    </message>
    <message>
        <source>Kein gewählter Test für dieses Ohr</source>
        <translation>No test selected for this ear</translation>
    </message>
</context>
<context>
    <name>alle_tondateien</name>
    <message>
        <source>ca. %1 MB</source>
        <extracomment>%1 = size in megabytes, e.g. &quot;233&quot; or &quot;10,6&quot;</extracomment>
        <translation>approx. %1 MB</translation>
    </message>
</context>
<context>
    <name>alle_wave</name>
    <message>
        <source>Die für den Vazozez benötigten Wave-Dateien</source>
        <extracomment>First of two lines forming one sentence</extracomment>
        <translation>The wave files that Vazozez needs</translation>
    </message>
    <message>
        <source>werden erzeugt und abgespeichert.</source>
        <extracomment>Second of two lines forming one sentence</extracomment>
        <translation>are being created and saved.</translation>
    </message>
    <message>
        <source>Dieser Vorgang kann einige Sekunden dauern.</source>
        <translation>This may take a few seconds.</translation>
    </message>
    <message>
        <source>Bitte haben Sie etwas Geduld.</source>
        <translation>Please be patient.</translation>
    </message>
</context>
<context>
    <name>audiogramm</name>
    <message>
        <source>%1, Einheiten %2</source>
        <extracomment>%1 = kind of calibration, %2 = the level units used, e.g. &quot;dB(A), dB(C)&quot;</extracomment>
        <translation>%1, units %2</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Geringgradig</source>
        <translation>Mild</translation>
    </message>
    <message>
        <source>Mittelgradig</source>
        <translation>Moderate</translation>
    </message>
    <message>
        <source>Mittel- bis hochgradig</source>
        <translation>Moderately severe</translation>
    </message>
    <message>
        <source>Hochgradig</source>
        <translation>Severe</translation>
    </message>
    <message>
        <source>An Taubheit grenzend</source>
        <translation>Profound</translation>
    </message>
    <message>
        <source>Vollständig</source>
        <translation>Complete</translation>
    </message>
    <message>
        <source>nicht berechnet (unter 500, 1000, 2000 und 4000 Hz liegen Grenzwerte nach oben und nach unten)</source>
        <translation>not calculated (500, 1000, 2000 and 4000 Hz include both upper and lower bounds)</translation>
    </message>
    <message>
        <source>nicht berechnet (500, 1000, 2000 und 4000 Hz nicht alle gemessen)</source>
        <translation>not calculated (500, 1000, 2000 and 4000 Hz not all measured)</translation>
    </message>
    <message>
        <source>mindestens %1</source>
        <extracomment>%1 = a grade of hearing loss, e.g. &quot;Geringgradig&quot;</extracomment>
        <translation>at least %1</translation>
    </message>
    <message>
        <source>höchstens %1</source>
        <extracomment>%1 = a grade of hearing loss, e.g. &quot;Geringgradig&quot;</extracomment>
        <translation>at most %1</translation>
    </message>
    <message>
        <source>Abweichung von der Normhörschwelle (dB)</source>
        <translation>Deviation from the normal hearing threshold (dB)</translation>
    </message>
    <message>
        <source>Kein klinisches Audiogramm: Bezug ist die Normhörschwelle im freien Schallfeld (ISO 226:2003), nicht der Bezugspegel eines Audiometer-Kopfhörers.</source>
        <translation>Not a clinical audiogram: the reference is the normal hearing threshold in the free sound field (ISO 226:2003), not the reference level of audiometer headphones.</translation>
    </message>
    <message>
        <source>Pfeil: Grenzwert oder außerhalb der Skala, Schwelle liegt in Pfeilrichtung</source>
        <translation>Arrow: bound or off the scale, the threshold lies in the direction of the arrow</translation>
    </message>
    <message>
        <source>≤: der Ton war schon zu Ende und noch hörbar, die Schwelle liegt darunter; ≥: der ansteigende Ton war zu Ende oder der fallende Ton schon unter die kleinste Stufe der Ausgabe gefallen, die Schwelle liegt darüber. Ein Mittelwert mit Grenzwerten ist selbst ein Grenzwert. Werte jenseits von −10 und 120 dB stehen mit einem Pfeil am Rand.</source>
        <translation>≤: the tone had already ended and was still audible, the threshold lies below; ≥: the rising tone had ended or the falling tone had already dropped below the smallest output step, the threshold lies above. An average that includes bounds is itself a bound. Values beyond −10 and 120 dB are shown at the edge with an arrow.</translation>
    </message>
    <message>
        <source>%1: keine eigene Kalibrierung – die Werte beruhen auf den Grundwerten und sind keine Hörverluste.</source>
        <extracomment>%1 = &quot;Linkes Ohr&quot; or &quot;Rechtes Ohr&quot;</extracomment>
        <translation>%1: no calibration of its own – the values are based on the default values and are not hearing losses.</translation>
    </message>
    <message>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <source>Unter 125 Hz (%1 Hz) zeigt das Audiogramm nichts: diese Werte stehen nur in der Tabelle.</source>
        <extracomment>%1 = the frequencies below 125 Hz, e.g. &quot;20, 50&quot;</extracomment>
        <translation>Below 125 Hz (%1 Hz) the audiogram shows nothing: these values are only in the table.</translation>
    </message>
    <message>
        <source>beide Ohren</source>
        <translation>both ears</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>⚠ Ruhepegel zu hoch bei %1: Hörschwelle möglicherweise zu hoch gemessen</source>
        <extracomment>%1 = frequencies with the ears, e.g. &quot;500 Hz (links), 1000 Hz (beide Ohren)&quot;</extracomment>
        <translation>⚠ Room noise too high at %1: hearing threshold possibly measured too high</translation>
    </message>
    <message>
        <source>links %1 dB</source>
        <extracomment>%1 = threshold level, e.g. &quot;105&quot; or &quot;≥ 105&quot;</extracomment>
        <translation>left %1 dB</translation>
    </message>
    <message>
        <source>rechts %1 dB</source>
        <translation>right %1 dB</translation>
    </message>
    <message>
        <source>Über 12500 Hz gibt es keine Normhörschwelle; dort die absolute Hörschwelle (Schalldruckpegel):</source>
        <translation>Above 12500 Hz there is no normal hearing threshold; there the absolute hearing threshold (sound pressure level):</translation>
    </message>
    <message>
        <source>Frequenz (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>Links: Hörschwelle (dB)</source>
        <translation>Left: hearing threshold (dB)</translation>
    </message>
    <message>
        <source>Abweichung (dB)</source>
        <translation>Deviation (dB)</translation>
    </message>
    <message>
        <source>Rechts: Hörschwelle (dB)</source>
        <translation>Right: hearing threshold (dB)</translation>
    </message>
    <message>
        <source>Ohr</source>
        <translation>Ear</translation>
    </message>
    <message>
        <source>Hörschwelle (dB)</source>
        <translation>Hearing threshold (dB)</translation>
    </message>
    <message>
        <source>Normhörschwelle (dB)</source>
        <translation>Normal hearing threshold (dB)</translation>
    </message>
    <message>
        <source>Grenze</source>
        <translation>Bound</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>rechtes Ohr</source>
        <translation>right ear</translation>
    </message>
    <message>
        <source>linkes Ohr</source>
        <translation>left ear</translation>
    </message>
</context>
<context>
    <name>audiogramm_bericht</name>
    <message>
        <source>Audiogramm</source>
        <translation>Audiogram</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <extracomment>%1 = the test person&apos;s name, or a line to write it on</extracomment>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Datum: %1   Uhrzeit: %2</source>
        <translation>Date: %1   Time: %2</translation>
    </message>
    <message>
        <source>Ton: %1, %2</source>
        <extracomment>%1 = constant or pulsed tone, %2 = rising or falling volume</extracomment>
        <translation>Tone: %1, %2</translation>
    </message>
    <message>
        <source>Kalibrierung linkes Ohr: %1</source>
        <translation>Calibration of the left ear: %1</translation>
    </message>
    <message>
        <source>Kalibrierung rechtes Ohr: %1</source>
        <translation>Calibration of the right ear: %1</translation>
    </message>
    <message>
        <source>Mittelwert über 500, 1000, 2000 und 4000 Hz (Grad nach WHO 2021):</source>
        <translation>Average over 500, 1000, 2000 and 4000 Hz (grade according to WHO 2021):</translation>
    </message>
    <message>
        <source>Linkes Ohr: %1</source>
        <translation>Left ear: %1</translation>
    </message>
    <message>
        <source>Rechtes Ohr: %1</source>
        <translation>Right ear: %1</translation>
    </message>
    <message>
        <source>Abweichung = Hörschwelle − Normhörschwelle, auf 1 dB gerundet; der Mittelwert aus den ungerundeten Abweichungen. Über 12500 Hz gibt es keine Normhörschwelle: dort nur die Hörschwelle. </source>
        <translation>Deviation = hearing threshold − normal hearing threshold, rounded to 1 dB; the average is taken from the unrounded deviations. Above 12500 Hz there is no normal hearing threshold: there only the hearing threshold is given. </translation>
    </message>
</context>
<context>
    <name>aufnahme</name>
    <message>
        <source>Falsche Version der BASS.dll geladen!</source>
        <translation>Wrong version of BASS.dll loaded!</translation>
    </message>
    <message>
        <source>Bitte verbinden Sie ein Mikrofon mit dem PC. Starten Sie anschließend die Vazozez-Software erneut.</source>
        <translation>Please connect a microphone to the PC. Then start the Vazozez software again.</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Bitte schließen Sie ein Mikrofon an.</source>
        <translation>Please connect a microphone.</translation>
    </message>
    <message>
        <source>Die Audioaufnahme kann nicht gestartet werden. Vermutlich greift ein anderes Programm ebenfalls auf die Audioaufnahme zu. Schließen Sie alle anderen Programme und versuchen es dann erneut.</source>
        <translation>The audio recording cannot be started. Another program is probably using the audio recording as well. Close all other programs and then try again.</translation>
    </message>
    <message>
        <source>Audiofehler</source>
        <translation>Audio error</translation>
    </message>
    <message>
        <source>Aufnahmefehler!</source>
        <translation>Recording error!</translation>
    </message>
</context>
<context>
    <name>auto_kalibrierung</name>
    <message>
        <source>Die Messung hat keinen gültigen Schallpegel ergeben. Bitte lesen Sie die Einstellungsdatei des Schallpegelmessers erneut ein und führen Sie danach die Kalibrierung erneut durch.</source>
        <translation>The measurement did not give a valid sound level. Please load the sound level meter&apos;s settings file again and then repeat the calibration.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Von der Audioaufnahme kommen keine Daten mehr. Ist das Mikrofon noch angeschlossen? Bitte prüfen Sie das Mikrofon und führen Sie danach die Kalibrierung erneut durch.</source>
        <translation>The audio recording no longer delivers any data. Is the microphone still connected? Please check the microphone and then repeat the calibration.</translation>
    </message>
    <message>
        <source>Audiofehler</source>
        <translation>Audio error</translation>
    </message>
    <message>
        <source>Das Mikrofon oder der Kopfhörer sind nicht richtig eingesteckt oder der Lautstärke- oder Empfindlichkeitsregler ist nicht ganz aufgedreht. Bitte beheben Sie den Fehler und führen Sie danach die Kalibrierung erneut durch.</source>
        <translation>The microphone or the headphones are not plugged in properly, or the volume or sensitivity control is not turned all the way up. Please correct the fault and then repeat the calibration.</translation>
    </message>
    <message>
        <source>Die Kalibrierung wurde erfolgreich abgeschlolssen. Die Daten können nun gespeichert werden.</source>
        <translation>The calibration was completed successfully. The data can now be saved.</translation>
    </message>
    <message>
        <source>Erfolgsmeldung</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Die gelb unterlegten Frequenzen konnten nicht genau kalibriert werden. </source>
        <translation>The frequencies highlighted in yellow could not be calibrated exactly. </translation>
    </message>
    <message>
        <source>Bei %1 war die Aufnahme übersteuert: Drehen Sie den Aufnahme- oder Empfindlichkeitsregler des Mikrofons etwas zurück und wiederholen Sie die Kalibrierung. </source>
        <translation>At %1 the recording was clipping: turn the microphone&apos;s recording or sensitivity control down a little and repeat the calibration. </translation>
    </message>
    <message>
        <source>Ist der Windows-Lautstärkeregler voll aufgedreht? Fall dies nicht der Fall ist, könnten Sie durch Aufdrehen des Lautstärkereglers und anschließender Wiederholung der Kalibrierung eventuell eine Verbesserung erreichen. Die Ergebnisse der Kalibrierung können nun gespeichert werden.</source>
        <translation>Is the system volume control turned all the way up? If it is not, turning it up and repeating the calibration may improve the result. The results of the calibration can now be saved.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>druckausgabe</name>
    <message>
        <source>Drucken ist nicht möglich: Es ist kein Drucker verfügbar oder der Drucker kann nicht verwendet werden.</source>
        <translation>Printing is not possible: no printer is available, or the printer cannot be used.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>druckplan</name>
    <message>
        <source>Seite: %1 von %2</source>
        <extracomment>Page number of a printout: %1 this page, %2 the number of pages.</extracomment>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>eichzustand</name>
    <message>
        <source>Einzelne normalhörende Menschen weichen vom Median der ISO 226 um etwa ±5 dB ab: das Ergebnis sagt, wie weit ein Gehör von dem des Bezugshörers entfernt ist, nicht einen absoluten Pegel.</source>
        <translation>Individual people with normal hearing differ from the ISO 226 median by about ±5 dB: the result tells how far a person&apos;s hearing lies from that of the reference listener, not an absolute level.</translation>
    </message>
    <message>
        <source>nicht kalibriert (Grundwerte)</source>
        <translation>not calibrated (default values)</translation>
    </message>
    <message>
        <source>Schallpegelmesser</source>
        <extracomment>Kind of calibration: with a sound level meter.</extracomment>
        <translation>sound level meter</translation>
    </message>
    <message>
        <source>Mikrofonspannung</source>
        <extracomment>Kind of calibration: with the microphone voltage.</extracomment>
        <translation>microphone voltage</translation>
    </message>
    <message>
        <source>automatisch</source>
        <extracomment>Kind of calibration: the automatic calibration.</extracomment>
        <translation>automatic</translation>
    </message>
    <message>
        <source>Bezugshörer</source>
        <extracomment>Kind of calibration: by a reference listener.</extracomment>
        <translation>reference listener</translation>
    </message>
    <message>
        <source>Datum unbekannt</source>
        <translation>date unknown</translation>
    </message>
    <message>
        <source>Kalibrierung links: %1, rechts: %2</source>
        <extracomment>%1, %2: the calibration of the left and the right ear, e.g. &quot;Bezugshörer (12.03.2025)&quot;.</extracomment>
        <translation>Calibration left: %1, right: %2</translation>
    </message>
</context>
<context>
    <name>einstellungen</name>
    <message>
        <source>Datei <byte value="xd"/>%1<byte value="xd"/>kann nicht geöffnet werden!!!</source>
        <translation>File <byte value="xd"/>%1<byte value="xd"/>cannot be opened!</translation>
    </message>
</context>
<context>
    <name>einstellungen_messungen</name>
    <message>
        <source>Der Ton ist zu Ende. Bitte &quot;Stopp&quot; drücken: der Wert gilt dann als Grenze.</source>
        <translation>The tone has ended. Please press &quot;Stop&quot;: the value then counts as a limit.</translation>
    </message>
</context>
<context>
    <name>einstellungsdatei_waehlen</name>
    <message>
        <source>Datei existiert bereits. Möchten Sie <byte value="xd"/>%1<byte value="xd"/>überschreiben?</source>
        <translation>The file<byte value="xd"/>%1<byte value="xd"/>already exists. Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>frequenzgang</name>
    <message>
        <source>Geben Sie eine Zahl ein (z.B. 3,45)</source>
        <translation>Enter a number (e.g. 3.45)</translation>
    </message>
</context>
<context>
    <name>hoerschwelle_schaubild</name>
    <message>
        <source>Frequenz f in Hz</source>
        <translation>Frequency f in Hz</translation>
    </message>
    <message>
        <source>Schallpegel (dB)</source>
        <translation>Sound level (dB)</translation>
    </message>
</context>
<context>
    <name>kv_fft</name>
    <message>
        <source>Freier Hauptspeicher zu klein</source>
        <translation>Not enough free memory</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>kvschaubild2b</name>
    <message>
        <source>Frequenz f in Hz</source>
        <translation>Frequency f in Hz</translation>
    </message>
</context>
<context>
    <name>lauter_ton</name>
    <message>
        <source>Der Ton wird sehr laut (%1). Kopfhörer absetzen oder fortfahren?</source>
        <extracomment>%1 = the level, e.g. &quot;103,5 dB(A)&quot;, or the rise, e.g. &quot;+46,0 dB&quot;</extracomment>
        <translation>The tone will be very loud (%1). Take off the headphones, or continue?</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>meldungen</name>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Datenträger ist schreibgeschützt oder Datei wird von einem anderen Programm verwendet.</source>
        <translation>The disk is write-protected or the file is being used by another program.</translation>
    </message>
</context>
<context>
    <name>messmikrofon</name>
    <message>
        <source>Zeile %1: </source>
        <extracomment>Put before a message about one line of a calibration file</extracomment>
        <translation>Line %1: </translation>
    </message>
    <message>
        <source>Die Datei ist zu groß für eine Kalibrierdatei (höchstens 1 MB).</source>
        <translation>The file is too large for a calibration file (at most 1 MB).</translation>
    </message>
    <message>
        <source>Die Kalibrierdatei ist leer.</source>
        <translation>The calibration file is empty.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Kalibrierdatei: sie enthält keinen Text.</source>
        <translation>The file is not a calibration file: it does not contain text.</translation>
    </message>
    <message>
        <source>Die Kalibrierdatei enthält keine Messpunkte.</source>
        <translation>The calibration file contains no measuring points.</translation>
    </message>
    <message>
        <source>Die Kalibrierdatei enthält zu viele Messpunkte.</source>
        <translation>The calibration file contains too many measuring points.</translation>
    </message>
    <message>
        <source>Der Messpunkt liegt außerhalb dessen, was ein Mikrofon haben kann (0 bis 100000 Hz, höchstens ±60 dB).</source>
        <translation>The measuring point lies outside what a microphone can have (0 to 100000 Hz, at most ±60 dB).</translation>
    </message>
    <message>
        <source>Die Frequenzen müssen aufsteigen; %1 Hz folgt auf %2 Hz.</source>
        <translation>The frequencies must be in ascending order; %1 Hz follows %2 Hz.</translation>
    </message>
    <message>
        <source>Die Kalibrierdatei hat keinen Messpunkt in der Nähe von 1000 Hz, auf die sich die Empfindlichkeit bezieht.</source>
        <translation>The calibration file has no measuring point near 1000 Hz, the frequency the sensitivity refers to.</translation>
    </message>
    <message>
        <source>Die Empfindlichkeit in dBV der Kalibrierdatei ist unmöglich.</source>
        <translation>The sensitivity in dBV given in the calibration file is impossible.</translation>
    </message>
    <message>
        <source>Die Empfindlichkeit muss zwischen -100 und 0 dBFS bei 94 dB SPL liegen.</source>
        <translation>The sensitivity must lie between -100 and 0 dBFS at 94 dB SPL.</translation>
    </message>
    <message>
        <source>Erwartet werden Frequenz und dB (und die Phase), getrennt durch Leerzeichen, mit Dezimalpunkt; gefunden: &quot;%1&quot;.</source>
        <extracomment>%1 = the start of the line as it stands in the file</extracomment>
        <translation>Expected: frequency and dB (and the phase), separated by spaces, with a decimal point; found: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei der Mikrofonkalibrierung ist unbrauchbar: unbekanntes Format.</source>
        <translation>The microphone calibration file is unusable: unknown format.</translation>
    </message>
    <message>
        <source>Die Datei der Mikrofonkalibrierung ist unbrauchbar: die Empfindlichkeit fehlt oder ist unmöglich.</source>
        <translation>The microphone calibration file is unusable: the sensitivity is missing or impossible.</translation>
    </message>
    <message>
        <source>Die Datei der Mikrofonkalibrierung ist unbrauchbar: das Datum fehlt.</source>
        <translation>The microphone calibration file is unusable: the date is missing.</translation>
    </message>
    <message>
        <source>Die Datei der Mikrofonkalibrierung ist unbrauchbar: %1</source>
        <extracomment>%1 = why the list of measuring points cannot be read</extracomment>
        <translation>The microphone calibration file is unusable: %1</translation>
    </message>
    <message>
        <source>Die Datei der Mikrofonkalibrierung<byte value="xd"/>%1<byte value="xd"/>kann nicht gelesen werden.</source>
        <translation>The microphone calibration file<byte value="xd"/>%1<byte value="xd"/>cannot be read.</translation>
    </message>
    <message>
        <source>ohne Kalibrierdatei</source>
        <translation>without calibration file</translation>
    </message>
    <message>
        <source>Messmikrofon: %1, %2 dBFS bei 94 dB SPL, vom %3</source>
        <extracomment>%1 = calibration file name (or &quot;ohne Kalibrierdatei&quot;), %2 = sensitivity, %3 = date of the calibration</extracomment>
        <translation>Measurement microphone: %1, %2 dBFS at 94 dB SPL, dated %3</translation>
    </message>
</context>
<context>
    <name>messmikrofon_unit</name>
    <message>
        <source>%1<byte value="xd"/>Sie wird nicht verwendet.</source>
        <extracomment>%1 says why the stored microphone calibration was refused</extracomment>
        <translation>%1<byte value="xd"/>It will not be used.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>optionen</name>
    <message>
        <source>Geben Sie eine natürliche Zahl <byte value="xd"/>im Bereich zwischen 20 und 20000 ein</source>
        <translation>Enter a whole number <byte value="xd"/>between 20 and 20000</translation>
    </message>
    <message>
        <source>Die Frequenz %1 Hz steht in den Zeilen %2 und %3.<byte value="xd"/></source>
        <extracomment>%1: the frequency; %2: the first rows (&quot;f05, f09&quot;); %3: the last row (&quot;f12&quot;).</extracomment>
        <translation>The frequency %1 Hz appears in rows %2 and %3.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Eine doppelte Frequenz wird mehrfach gemessen, und ihre Ergebnisse lassen sich in den Tabellen und Schaubildern nicht auseinanderhalten.<byte value="xd"/>Möchten Sie trotzdem speichern?</source>
        <translation>A frequency that appears more than once is measured more than once, and its results cannot be told apart in the tables and charts.<byte value="xd"/>Do you want to save anyway?</translation>
    </message>
</context>
<context>
    <name>pegeleingabe</name>
    <message>
        <source>Geben Sie eine Zahl im Bereich <byte value="xd"/> zwischen 0 und 120 ein</source>
        <translation>Enter a number <byte value="xd"/> between 0 and 120</translation>
    </message>
    <message>
        <source>Geben Sie eine Zahl im Bereich <byte value="xd"/> zwischen -20 und 150 ein</source>
        <translation>Enter a number <byte value="xd"/> between -20 and 150</translation>
    </message>
    <message>
        <source>Geben Sie eine Zahl größer als 0 <byte value="xd"/> und höchstens 10000 (mV) ein</source>
        <translation>Enter a number greater than 0 <byte value="xd"/> and at most 10000 (mV)</translation>
    </message>
</context>
<context>
    <name>programm</name>
    <message>
        <source>Der Verlauf konnte nicht vollständig in die Datei Verlauf.sqlite übernommen werden, weil %1.<byte value="xd"/>Die Datei Verlauf.sqlite-wal daneben gehört dazu: kopieren Sie beide Dateien zusammen.</source>
        <extracomment>%1 is the reason, a clause such as &quot;der Datenträger voll ist&quot;</extracomment>
        <translation>The history could not be written completely into the file Verlauf.sqlite because %1.<byte value="xd"/>The file Verlauf.sqlite-wal next to it belongs to it: copy both files together.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
</context>
<context>
    <name>programmstart</name>
    <message>
        <source>Es wurde kein Ordner für eigene Dateien gefunden, in dem das Programm speichern kann.<byte value="xd"/>Die Einstellungen und die Wave-Dateien werden in diesem Ordner gespeichert:<byte value="xd"/>%1</source>
        <translation>No documents folder was found in which the program can save.<byte value="xd"/>The settings and the wave files are saved in this folder:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>An ihrer Stelle gilt nun eine neue Einstellungsdatei mit den Standardwerten:<byte value="xd"/>%1</source>
        <translation><byte value="xd"/><byte value="xd"/>In its place a new settings file with the default values is now used:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Die Datei bleibt unverändert. Es gilt nun die Einstellungsdatei<byte value="xd"/>%1</source>
        <translation><byte value="xd"/><byte value="xd"/>The file is left unchanged. The settings file now in use is<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>referenztabelle_layout</name>
    <message>
        <source>Normhör</source>
        <extracomment>Title of the table in two cells, drawn as one word: &quot;Normhör&quot; + &quot;schwelle&quot; (normal hearing threshold).</extracomment>
        <translation>Normal hearing </translation>
    </message>
    <message>
        <source>schwelle</source>
        <extracomment>Second half of the title &quot;Normhörschwelle&quot;.</extracomment>
        <translation>threshold</translation>
    </message>
    <message>
        <source>Normhörschwelle</source>
        <translation>Normal hearing threshold</translation>
    </message>
    <message>
        <source>(Interpolation aus Daten der ISO 226:2003)</source>
        <translation>(interpolated from the data of ISO 226:2003)</translation>
    </message>
    <message>
        <source>Die obigen Werte wurden durch Interpolation aus den Daten der ISO 226:2003 gewonnen.</source>
        <translation>The values above were interpolated from the data of ISO 226:2003.</translation>
    </message>
    <message>
        <source>Normhörschwelle kann nicht in Tabellenform ausgegeben werden, da Arbeitsspeicher zu klein.</source>
        <translation>The normal hearing threshold cannot be shown as a table: there is not enough memory.</translation>
    </message>
    <message>
        <source>0-dB(A)-</source>
        <extracomment>Title of the table in two cells, drawn as one: &quot;0-dB(A)-&quot; + &quot;Werte&quot; (0 dB(A) values).</extracomment>
        <translation>0 dB(A) </translation>
    </message>
    <message>
        <source>Werte</source>
        <extracomment>Second half of the title &quot;0-dB(A)-Werte&quot;.</extracomment>
        <translation>values</translation>
    </message>
    <message>
        <source>0-dB(A)-Werte</source>
        <translation>0 dB(A) values</translation>
    </message>
    <message>
        <source>NulldBAhörschwelle kann nicht in Tabellenform ausgegeben werden, da Arbeitsspeicher zu klein.</source>
        <translation>The 0 dB(A) values cannot be shown as a table: there is not enough memory.</translation>
    </message>
    <message>
        <source>Frequenz f</source>
        <translation>Frequency f</translation>
    </message>
    <message>
        <source>Schallpegel (dB)</source>
        <translation>Sound level (dB)</translation>
    </message>
    <message>
        <source>in Hz</source>
        <translation>in Hz</translation>
    </message>
    <message>
        <source>in Abhängigkeit </source>
        <extracomment>Second line of the column heading &quot;Schallpegel (dB) in Abhängigkeit von der Frequenz f&quot;.</extracomment>
        <translation>as a function </translation>
    </message>
    <message>
        <source>von der Frequenz f</source>
        <extracomment>Third line of the column heading &quot;Schallpegel (dB) in Abhängigkeit von der Frequenz f&quot;.</extracomment>
        <translation>of the frequency f</translation>
    </message>
</context>
<context>
    <name>ruhepegel</name>
    <message>
        <source>Die Audioaufnahme kann nicht gestartet werden, der Ruhepegel wird nicht geprüft. Vermutlich greift ein anderes Programm ebenfalls auf die Audioaufnahme zu.</source>
        <translation>The audio recording cannot be started; the room noise will not be checked. Another program is probably using the audio recording as well.</translation>
    </message>
    <message>
        <source>Ruhepegel während des Tons zu hoch: im Oktavband %1 um %2 dB über der Grenze von %3 dB. Die Hörschwelle kann zu hoch gemessen sein.</source>
        <extracomment>%1 the octave band (e.g. &quot;1 kHz&quot;), %2 by how many dB it lay above its limit, %3 the limit in dB</extracomment>
        <translation>Room noise too high during the tone: in the %1 octave band %2 dB above the limit of %3 dB. The hearing threshold may have been measured too high.</translation>
    </message>
    <message>
        <source>Aktiv</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Der Ruhepegel des Raums wird gemessen. Bitte 3 Sekunden Ruhe.</source>
        <translation>Measuring the room noise. Please keep quiet for 3 seconds.</translation>
    </message>
    <message>
        <source>Bereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Der Ruhepegel konnte nicht gemessen werden: Die Audioaufnahme liefert keine Daten. Der Hörtest wird ohne diese Prüfung fortgesetzt.</source>
        <translation>The room noise could not be measured: the audio recording delivers no data. The hearing test continues without this check.</translation>
    </message>
    <message>
        <source>Ruhepegel</source>
        <translation>Room noise</translation>
    </message>
    <message>
        <source>%1 um %2 dB</source>
        <extracomment>One band of a list: %1 the octave band (e.g. &quot;1 kHz&quot;), %2 by how many dB it lies above its limit</extracomment>
        <translation>%1 by %2 dB</translation>
    </message>
    <message>
        <source>Der Raum ist für den Hörtest zu laut. Der Ruhepegel liegt über der zulässigen Grenze: %1.
Hörschwellen in diesen Bereichen können zu hoch gemessen werden. Mit „OK“ geht der Hörtest trotzdem weiter, mit „Abbrechen“ wird vor dem nächsten Start erneut gemessen.</source>
        <extracomment>%1 the list of octave bands that are too loud</extracomment>
        <translation>The room is too loud for the hearing test. The room noise is above the permissible limit: %1.
Hearing thresholds in these ranges may be measured too high. With “OK” the hearing test continues anyway; with “Cancel” the room is measured again before the next start.</translation>
    </message>
</context>
<context>
    <name>schallpegel</name>
    <message>
        <source>Die Datei <byte value="xd"/>%1<byte value="xd"/>enthält keine gültige Kalibrierung des Schallpegelmessers: %2 Sie wurde nicht übernommen. Bitte kalibrieren Sie den Schallpegelmesser mit dem Programm &quot;Quarvel Vidizedazevadadev&quot; erneut und lesen Sie danach dessen Einstellungsdatei nochmals ein.</source>
        <extracomment>%1: the file; %2: what is wrong with it, a whole sentence.</extracomment>
        <translation>The file <byte value="xd"/>%1<byte value="xd"/>holds no valid calibration of the sound level meter: %2 It was not applied. Please calibrate the sound level meter again with the program &quot;Quarvel Vidizedazevadadev&quot; and then read in its settings file once more.</translation>
    </message>
    <message>
        <source>Ihre Tabellen der Spektralanalyse enthalten ungültige Werte.</source>
        <translation>Its spectral analysis tables contain invalid values.</translation>
    </message>
    <message>
        <source>dB schnell</source>
        <translation>dB fast</translation>
    </message>
    <message>
        <source>dB langsam</source>
        <translation>dB slow</translation>
    </message>
    <message>
        <source>dB(A) schnell</source>
        <translation>dB(A) fast</translation>
    </message>
    <message>
        <source>dB(A) langsam</source>
        <translation>dB(A) slow</translation>
    </message>
    <message>
        <source>Die Gewichtstabelle &quot;%1&quot; enthält ungültige oder negative Werte oder nur Nullen.</source>
        <translation>The weighting table &quot;%1&quot; contains invalid or negative values, or only zeros.</translation>
    </message>
</context>
<context>
    <name>schallpegel_fenster</name>
    <message>
        <source>Es ist keine Kalibrierung des Mikrofons aktiv. Bitte richten Sie zuerst ein Messmikrofon ein oder laden Sie die Einstellungen des Schallpegelmessers.</source>
        <translation>No microphone calibration is active. Please set up a measurement microphone first or load the settings of the sound level meter.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>testergebnis_layout</name>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <extracomment>Label in the first column of the results: the time of day.</extracomment>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>Label in the first column of the results: the test person&apos;s name.</extracomment>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Einstellungen:</source>
        <extracomment>Label in the first column of the results, followed by the tone&apos;s settings. It sets the width of the columns: best 14 characters, like the German.</extracomment>
        <translation>Tone settings:</translation>
    </message>
    <message>
        <source>Ergebnisse:</source>
        <extracomment>Label in the first column of the results, followed by the table of both ears.</extracomment>
        <translation>Results:</translation>
    </message>
    <message>
        <source>Messergebnisse zur Hörschwelle</source>
        <extracomment>Title of the results table, spreadsheet and printout.</extracomment>
        <translation>Results of the hearing test</translation>
    </message>
    <message>
        <source>- Amplitude </source>
        <extracomment>The tone&apos;s amplitude in two cells: &quot;- Amplitude &quot; + &quot;zunehmend&quot; / &quot;abnehmend&quot; (at most 15 characters).</extracomment>
        <translation>- Amplitude </translation>
    </message>
    <message>
        <source>zunehmend</source>
        <extracomment>Second cells of &quot;- Amplitude zunehmend&quot; (rising) and &quot;- Amplitude abnehmend&quot; (falling), at most 15 characters each.</extracomment>
        <translation>increasing</translation>
    </message>
    <message>
        <source>abnehmend</source>
        <translation>decreasing</translation>
    </message>
    <message>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <source>1. Linkes Ohr</source>
        <translation>1. Left ear</translation>
    </message>
    <message>
        <source>2. Rechtes Ohr</source>
        <translation>2. Right ear</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Norm-</source>
        <extracomment>First half of the column heading &quot;Normhörschwelle&quot; (normal hearing threshold).</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>0-dB(A)-</source>
        <extracomment>First half of the column heading &quot;0-dB(A)-Werte&quot; (0 dB(A) values).</extracomment>
        <translation>0 dB(A)</translation>
    </message>
    <message>
        <source>in Hz</source>
        <translation>in Hz</translation>
    </message>
    <message>
        <source>Bewerteter</source>
        <extracomment>First half of the column heading &quot;Bewerteter Schallpegel&quot; (weighted sound level).</extracomment>
        <translation>Weighted</translation>
    </message>
    <message>
        <source>Schallpegel</source>
        <translation>Sound level</translation>
    </message>
    <message>
        <source>hörschwelle</source>
        <extracomment>Second half of the column heading &quot;Normhörschwelle&quot; (normal hearing threshold).</extracomment>
        <translation>threshold</translation>
    </message>
    <message>
        <source>Werte</source>
        <extracomment>Second half of the column heading &quot;0-dB(A)-Werte&quot; (0 dB(A) values).</extracomment>
        <translation>values</translation>
    </message>
    <message>
        <source>Messergebnisse </source>
        <extracomment>Title of the results in two cells: first half, drawn right-aligned (at most 15 characters).</extracomment>
        <translation>Results of the </translation>
    </message>
    <message>
        <source>zur Hörschwelle</source>
        <extracomment>Title of the results in two cells: second half (at most 15 characters).</extracomment>
        <translation>hearing test</translation>
    </message>
    <message>
        <source>- Pulsierender </source>
        <extracomment>The tone in two cells: &quot;- Pulsierender &quot; + &quot;Ton (AM mit 4 Hz)&quot;, or &quot;- Nicht &quot; + &quot;pulsierend&quot; (each at most 15 characters).</extracomment>
        <translation>- Pulsing tone </translation>
    </message>
    <message>
        <source>- Nicht </source>
        <translation>- Not </translation>
    </message>
    <message>
        <source>Ton (AM mit %1 Hz)</source>
        <extracomment>%1: the modulation frequency in Hz.</extracomment>
        <translation>(AM at %1 Hz)</translation>
    </message>
    <message>
        <source>pulsierend</source>
        <translation>pulsing</translation>
    </message>
    <message>
        <source>- Pulsierender Ton (Amplitudenmodulation mit %1 Hz)</source>
        <extracomment>Keep the leading &quot;- &quot;: the audiogram report cuts it off. %1: the modulation frequency in Hz.</extracomment>
        <translation>- Pulsing tone (amplitude modulation at %1 Hz)</translation>
    </message>
    <message>
        <source>- Nicht pulsierend</source>
        <extracomment>Keep the leading &quot;- &quot;: the audiogram report cuts it off.</extracomment>
        <translation>- Not pulsing</translation>
    </message>
    <message>
        <source>- Amplitude zunehmend</source>
        <extracomment>Keep the leading &quot;- &quot; here and in &quot;- Amplitude abnehmend&quot;: the audiogram report cuts it off.</extracomment>
        <translation>- Amplitude increasing</translation>
    </message>
    <message>
        <source>- Amplitude abnehmend</source>
        <translation>- Amplitude decreasing</translation>
    </message>
    <message>
        <source>Kalibrierung:</source>
        <translation>Calibration:</translation>
    </message>
    <message>
        <source>links: %1, rechts: %2</source>
        <extracomment>%1, %2: the calibration of the left and the right ear, e.g. &quot;Bezugshörer (12.03.2025)&quot;.</extracomment>
        <translation>left: %1, right: %2</translation>
    </message>
</context>
<context>
    <name>unit1</name>
    <message>
        <source>Hörtest</source>
        <translation>Hearing test</translation>
    </message>
</context>
<context>
    <name>verlauf</name>
    <message>
        <source>der Datenträger schreibgeschützt ist</source>
        <extracomment>End of a sentence: &quot;The history cannot be read/written because …&quot;</extracomment>
        <translation>the medium is write-protected</translation>
    </message>
    <message>
        <source>die Datei von einem anderen Programm stammt</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file comes from another program</translation>
    </message>
    <message>
        <source>die Datei keine Datenbank ist</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file is not a database</translation>
    </message>
    <message>
        <source>die Datei nicht geöffnet oder angelegt werden kann</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file cannot be opened or created</translation>
    </message>
    <message>
        <source>die Datei beschädigt ist</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>die Datei von einem anderen Programm gesperrt ist</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file is locked by another program</translation>
    </message>
    <message>
        <source>der Datenträger voll ist</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>ein Schreib- oder Lesefehler auftrat</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>a read or write error occurred</translation>
    </message>
    <message>
        <source>die Datenbank den Fehler %1 meldet</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;; %1: the database&apos;s error number.</extracomment>
        <translation>the database reports error %1</translation>
    </message>
    <message>
        <source>Nr</source>
        <extracomment>Column heading of the history&apos;s CSV file: the test&apos;s running number.</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Ohr</source>
        <translation>Ear</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kalibrierung</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Frequenz in Hz</source>
        <translation>Frequency in Hz</translation>
    </message>
    <message>
        <source>Hörschwelle in dB</source>
        <translation>Hearing threshold in dB</translation>
    </message>
    <message>
        <source>Hörschwelle in dB(A)</source>
        <translation>Hearing threshold in dB(A)</translation>
    </message>
    <message>
        <source>Grenze</source>
        <extracomment>Column heading of the history&apos;s CSV file: &quot;≤&quot; or &quot;≥&quot; when the value is only a bound.</extracomment>
        <translation>Bound</translation>
    </message>
    <message>
        <source>Ruhepegel über der Grenze in dB</source>
        <translation>Room noise above the limit in dB</translation>
    </message>
    <message>
        <source>Mikrofonspannung</source>
        <extracomment>Kind of calibration of a test: with the microphone voltage.</extracomment>
        <translation>microphone voltage</translation>
    </message>
    <message>
        <source>Schallpegelmesser</source>
        <extracomment>Kind of calibration of a test: with a sound level meter.</extracomment>
        <translation>sound level meter</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <extracomment>Kind of calibration of a test that was stored without it.</extracomment>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Die Tests beruhen auf verschiedenen Kalibrierungen: %1 und %2.</source>
        <extracomment>%1, %2: the calibrations of the two tests, e.g. &quot;Schallpegelmesser (12.03.2025)&quot;.</extracomment>
        <translation>The tests rest on different calibrations: %1 and %2.</translation>
    </message>
    <message>
        <source>keine eigene Kalibrierung (Grundwerte)</source>
        <translation>no calibration of its own (default values)</translation>
    </message>
    <message>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <source>zunehmend</source>
        <extracomment>The tone of a test: its amplitude rises (&quot;zunehmend&quot;) or falls (&quot;abnehmend&quot;).</extracomment>
        <translation>increasing</translation>
    </message>
    <message>
        <source>abnehmend</source>
        <translation>decreasing</translation>
    </message>
    <message>
        <source>, pulsierend</source>
        <extracomment>Added to &quot;zunehmend&quot; or &quot;abnehmend&quot; for a pulsing tone.</extracomment>
        <translation>, pulsing</translation>
    </message>
    <message>
        <source>an ihrer Stelle keine gewöhnliche Datei liegt</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>there is no ordinary file in its place</translation>
    </message>
    <message>
        <source>die Datei nicht gelesen werden kann</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>das Journal neben der Datei nicht zu ihr gehört und nicht beiseitegelegt werden kann</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the journal beside the file does not belong to it and cannot be moved aside</translation>
    </message>
    <message>
        <source>die Datei von einer neueren Programmversion stammt</source>
        <extracomment>End of a sentence: &quot;The history cannot be read because …&quot;</extracomment>
        <translation>the file comes from a newer version of the program</translation>
    </message>
    <message>
        <source>%1 und sie nicht beiseitegelegt werden kann</source>
        <extracomment>%1: why the file was to be moved aside (&quot;die Datei beschädigt ist&quot;); the whole ends a sentence.</extracomment>
        <translation>%1 and it cannot be moved aside</translation>
    </message>
    <message>
        <source>der Test Werte enthält, die nicht gespeichert werden können</source>
        <extracomment>End of a sentence: &quot;The test cannot be stored because …&quot;</extracomment>
        <translation>the test holds values that cannot be stored</translation>
    </message>
    <message>
        <source>der Test Werte enthält, die das Programm nie schreibt</source>
        <extracomment>End of a sentence: &quot;The test cannot be read because …&quot;</extracomment>
        <translation>the test holds values that the program never writes</translation>
    </message>
    <message>
        <source>%1 Hz (beide Tests)</source>
        <extracomment>%1: a frequency; which of the two compared tests was measured while the room was too loud.</extracomment>
        <translation>%1 Hz (both tests)</translation>
    </message>
    <message>
        <source>%1 Hz (Test 1)</source>
        <translation>%1 Hz (Test 1)</translation>
    </message>
    <message>
        <source>%1 Hz (Test 2)</source>
        <translation>%1 Hz (Test 2)</translation>
    </message>
    <message>
        <source>Die beiden Tests betreffen verschiedene Ohren.</source>
        <translation>The two tests concern different ears.</translation>
    </message>
    <message>
        <source>Die Tests wurden mit verschiedenen Tönen gemacht: %1 und %2.</source>
        <extracomment>%1, %2: the tones of the two tests, e.g. &quot;abnehmend, pulsierend&quot;.</extracomment>
        <translation>The tests were made with different tones: %1 and %2.</translation>
    </message>
    <message>
        <source>Für einen der Tests ist keine Kalibrierung gespeichert; die Kalibrierungen können nicht verglichen werden.</source>
        <translation>No calibration is stored for one of the tests; the calibrations cannot be compared.</translation>
    </message>
    <message>
        <source>Die Kalibrierwerte der beiden Tests unterscheiden sich bei %1 Frequenz.</source>
        <translation>The calibration values of the two tests differ at %1 frequency.</translation>
    </message>
    <message>
        <source>Die Kalibrierwerte der beiden Tests unterscheiden sich bei %1 Frequenzen.</source>
        <translation>The calibration values of the two tests differ at %1 frequencies.</translation>
    </message>
    <message>
        <source>Die Testfrequenzen der beiden Tests sind verschieden; verglichen werden nur gleiche Frequenzen.</source>
        <translation>The test frequencies of the two tests differ; only the frequencies both tests share are compared.</translation>
    </message>
    <message>
        <source>Werte mit ≤ oder ≥ sind Grenzen: der Ton war schon zu Ende, die Schwelle liegt darunter (≤) oder darüber (≥); die Differenz ist dann ebenfalls nur eine Grenze.</source>
        <translation>Values with ≤ or ≥ are bounds: the tone had already ended, the threshold lies below (≤) or above (≥) them; the difference is then only a bound as well.</translation>
    </message>
    <message>
        <source>Bei %1 Frequenz sind beide Werte Grenzen in dieselbe Richtung: die Differenz lässt sich nicht angeben (–).</source>
        <translation>At %1 frequency both values are bounds in the same direction: the difference cannot be given (–).</translation>
    </message>
    <message>
        <source>Bei %1 Frequenzen sind beide Werte Grenzen in dieselbe Richtung: die Differenz lässt sich nicht angeben (–).</source>
        <translation>At %1 frequencies both values are bounds in the same direction: the difference cannot be given (–).</translation>
    </message>
    <message>
        <source>Ruhepegel zu hoch bei %1: Hörschwelle möglicherweise zu hoch gemessen.</source>
        <extracomment>%1: the frequencies, e.g. &quot;1000 Hz (Test 1), 2000 Hz (beide Tests)&quot;.</extracomment>
        <translation>Room noise too high at %1: the hearing threshold may have been measured too high.</translation>
    </message>
</context>
<context>
    <name>verlauf_unit</name>
    <message>
        <source>Der Verlauf kann nicht gelesen werden, weil %1.<byte value="xd"/>Die Datei wurde als<byte value="xd"/>%2<byte value="xd"/>beiseitegelegt; ein neuer Verlauf wurde begonnen.</source>
        <extracomment>%1: the reason, %2: the path the damaged file was moved to</extracomment>
        <translation>The history cannot be read because %1.<byte value="xd"/>The file was set aside as<byte value="xd"/>%2<byte value="xd"/>and a new history was started.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>%1 Tests im Verlauf enthalten ungültige Werte und werden nicht exportiert.</source>
        <translation>%1 tests in the history contain invalid values and are not exported.</translation>
    </message>
    <message>
        <source>%1 Tests im Verlauf enthalten ungültige Werte und werden nicht angezeigt.</source>
        <translation>%1 tests in the history contain invalid values and are not shown.</translation>
    </message>
    <message>
        <source>Der Hörtest wurde nicht in den Verlauf geschrieben, weil %1.<byte value="xd"/>Das Ergebnis bleibt erhalten und kann unter &quot;Testergebnisse&quot; angesehen und gespeichert werden.</source>
        <translation>The hearing test was not written to the history because %1.<byte value="xd"/>The result is kept and can be viewed and saved under &quot;Test results&quot;.</translation>
    </message>
    <message>
        <source>Der Name wurde nicht in den Verlauf geschrieben, weil %1.</source>
        <translation>The name was not written to the history because %1.</translation>
    </message>
</context>
</TS>
