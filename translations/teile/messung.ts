<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>TBezugshoerer_Form</name>
    <message>
        <location filename="../../src/app/measurement/bezugshoerer_unit.cpp" line="+38"/>
        <source>Kalibrierung mit Bezugshörer</source>
        <translation>Calibration with a reference listener</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Der Bezugshörer ist ein Mensch mit normalem Gehör: 18 bis 25 Jahre alt, ohne bekannte Hörprobleme und ohne lauten Lärm in den letzten 24 Stunden. Er macht mit diesem Kopfhörer den gewöhnlichen Hörtest, und jede Frequenz wird so kalibriert, dass seine Hörschwelle der Normhörschwelle nach ISO 226:2003 entspricht.</source>
        <translation>The reference listener is a person with normal hearing: 18 to 25 years old, with no known hearing problems and no loud noise in the last 24 hours. They take the ordinary hearing test with these headphones, and every frequency is calibrated so that their hearing threshold matches the normal hearing threshold according to ISO 226:2003.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;b&gt;1. Anfangslautstärke&lt;/b&gt;: Drücken Sie bei 1000 Hz „Start“, stellen Sie den Ton angenehm laut ein, dann „Stopp“ und „Speichern“. Danach erhält jede Frequenz diese Lautstärke, damit der abnehmende Ton die Normhörschwelle überstreicht.</source>
        <translation>&lt;b&gt;1. Start volume&lt;/b&gt;: At 1000 Hz press “Start”, set the tone comfortably loud, then press “Stop” and “Save”. Every frequency then gets this volume, so that the decreasing tone sweeps across the normal hearing threshold.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Anfangslautstärke links …</source>
        <translation>Start volume left …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anfangslautstärke rechts …</source>
        <translation>Start volume right …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Für alle Frequenzen übernehmen</source>
        <translation>Apply to all frequencies</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;2. Hörtest&lt;/b&gt; des Bezugshörers für beide Ohren, jeweils mit „Übernehmen“ beenden; dann „Hörer übernehmen“. Bis zu drei Hörer (oder Wiederholungen) werden gemittelt.</source>
        <translation>&lt;b&gt;2. Hearing test&lt;/b&gt; of the reference listener for both ears, each finished with “Apply”; then “Add listener”. Up to three listeners (or repetitions) are averaged.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Hörtest linkes Ohr …</source>
        <translation>Hearing test left ear …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hörtest rechtes Ohr …</source>
        <translation>Hearing test right ear …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hörer übernehmen</source>
        <translation>Add listener</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Linkes Ohr</source>
        <translation>Left ear</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rechtes Ohr</source>
        <translation>Right ear</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Der Wert einer Zeile ist der Schalldruckpegel bei ihrer Anfangslautstärke. Gelb: die Hörer weichen um mehr als 10 dB voneinander ab. %1</source>
        <extracomment>%1 the note on the calibration with a reference listener</extracomment>
        <translation>The value of a row is the sound pressure level at its start volume. Yellow: the listeners differ by more than 10 dB. %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Neu beginnen</source>
        <translation>Start over</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Alle Frequenzen beider Ohren beginnen nun mit der Lautstärke von 1000 Hz.</source>
        <translation>All frequencies of both ears now start at the volume of 1000 Hz.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+12"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Es werden höchstens drei Bezugshörer gemittelt. Mit „Neu beginnen“ fangen Sie von vorn an.</source>
        <translation>At most three reference listeners are averaged. Use “Start over” to begin again.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Es liegt kein Hörtest vor, der ausgewertet werden kann. Führen Sie zuerst den Hörtest des Bezugshörers durch und beenden Sie ihn mit „Übernehmen“.</source>
        <translation>There is no hearing test that can be evaluated. First carry out the reference listener&apos;s hearing test and finish it with “Apply”.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Bezugshörer: %1 von %2</source>
        <translation>Reference listeners: %1 of %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>keine Normhörschwelle (bleibt)</source>
        <translation>no normal hearing threshold (unchanged)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 dB (%2 Hörer)</source>
        <extracomment>%1 the level in dB, %2 the number of listeners it is averaged from</extracomment>
        <translation>%1 dB (listeners: %2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> – Hörer weichen um %1 dB ab</source>
        <translation> – listeners differ by %1 dB</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Die Kalibrierung mit Bezugshörer wurde in der Einstellungsdatei gespeichert.<byte value="xd"/>%1</source>
        <extracomment>%1 the note on the calibration with a reference listener</extracomment>
        <translation>The calibration with a reference listener has been saved in the settings file.<byte value="xd"/>%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Erfolgsmeldung</source>
        <translation>Success</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <location filename="../../src/app/measurement/einstellungen_messungen.cpp" line="+40"/>
        <source>Einstellungen Links: Anfangslautstärke übernehmen</source>
        <translation>Settings left: apply start volume</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Pulsierender Ton (Amplitudenmodulation mit 4 Hz), </source>
        <translation>Pulsed tone (amplitude modulation at 4 Hz), </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nicht pulsierend, </source>
        <translation>Not pulsed, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amplitude exponentiell zunehmend</source>
        <translation>amplitude increasing exponentially</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Amplitude exponentiell abnehmend</source>
        <translation>amplitude decreasing exponentially</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Einstellungen: %1%2</source>
        <extracomment>%1 the kind of tone (&quot;Pulsierender Ton …, &quot; or &quot;Nicht pulsierend, &quot;), %2 its amplitude course</extracomment>
        <translation>Settings: %1%2</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+77"/>
        <location filename="../../src/app/measurement/messfenster_aufbau.cpp" line="+156"/>
        <location filename="../../src/app/measurement/messfenster_auto.cpp" line="+113"/>
        <location line="+34"/>
        <location filename="../../src/app/measurement/messfenster_hoertest.cpp" line="+56"/>
        <location line="+14"/>
        <location line="+165"/>
        <source>Bereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <location line="-73"/>
        <location filename="../../src/app/measurement/messfenster_aufbau.cpp" line="-117"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Linker Kanal: %1</source>
        <extracomment>Window title: %1 is what the window sets for this channel</extracomment>
        <translation>Left channel: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rechter Kanal: %1</source>
        <translation>Right channel: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Anfangs- bzw. Endlautstärke</source>
        <translation>Start or end volume</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Kalibrierung über Mikrofonspannung</source>
        <translation>Calibration via microphone voltage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Manuelle Kalibrierung</source>
        <translation>Manual calibration</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Automatische Kalibrierung</source>
        <translation>Automatic calibration</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Von rechts übernehmen</source>
        <translation>Copy from right</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Von links übernehmen</source>
        <translation>Copy from left</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Lautstärke Grobeinstellung</source>
        <translation>Volume (coarse)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lautstärke Feineinstellung</source>
        <translation>Volume (fine)</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hörschwelle: Linkes Ohr</source>
        <translation>Hearing threshold: left ear</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hörschwelle: Rechtes Ohr</source>
        <translation>Hearing threshold: right ear</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Sollen die übernommenen Ergebnisse des linken Ohrs verworfen werden?</source>
        <translation>Do you want to discard the applied results of the left ear?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sollen die übernommenen Ergebnisse des rechten Ohrs verworfen werden?</source>
        <translation>Do you want to discard the applied results of the right ear?</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+124"/>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>Die neuen Messungen werden nicht übernommen. Sollen auch die zuvor übernommenen Ergebnisse des linken Ohrs verworfen werden?</source>
        <translation>The new measurements will not be applied. Do you also want to discard the results of the left ear applied before?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Die neuen Messungen werden nicht übernommen. Sollen auch die zuvor übernommenen Ergebnisse des rechten Ohrs verworfen werden?</source>
        <translation>The new measurements will not be applied. Do you also want to discard the results of the right ear applied before?</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Soll der Vazozez abgebrochen werden?</source>
        <translation>Do you want to cancel the Vazozez test?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Soll die Lautstärkeeinstellung abgebrochen werden?</source>
        <translation>Do you want to cancel the volume setting?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Soll die Kalibrierung abgebrochen werden?</source>
        <translation>Do you want to cancel the calibration?</translation>
    </message>
    <message>
        <location filename="../../src/app/measurement/messfenster_aufbau.cpp" line="-4"/>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Von rechts übertragen</source>
        <translation>Copy from right</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Kalibrierung</source>
        <translation>Start calibration</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+273"/>
        <source>Schallpegel in dB(A)</source>
        <translation>Sound level in dB(A)</translation>
    </message>
    <message>
        <location line="-271"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+217"/>
        <location filename="../../src/app/measurement/messfenster_hoertest.cpp" line="-175"/>
        <location line="+163"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Anfangslautstärke Grobeinstellung</source>
        <translation>Start volume (coarse)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anfangslautstärke Feineinstellung</source>
        <translation>Start volume (fine)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+2"/>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <location line="+193"/>
        <source>Schallpegel in dB</source>
        <translation>Sound level in dB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spannung in mV</source>
        <translation>Voltage in mV</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Schallpegel</source>
        <translation>Sound level</translation>
    </message>
    <message>
        <location filename="../../src/app/measurement/messfenster_auto.cpp" line="-109"/>
        <location line="+58"/>
        <location filename="../../src/app/measurement/messfenster_hoertest.cpp" line="-123"/>
        <location line="+11"/>
        <source>Aktiv</source>
        <translation>Active</translation>
    </message>
    <message>
        <location line="-57"/>
        <location line="+58"/>
        <source>Automatische Kalibrierung: %1 Hz</source>
        <translation>Automatic calibration: %1 Hz</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Die Ergebnisse der Kalibrierung können nun abgespeichert werden.</source>
        <translation>The calibration results can now be saved.</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../../src/app/measurement/messfenster_hoertest.cpp" line="+107"/>
        <source>Bitte schließen Sie einen Kopfhörer an.</source>
        <translation>Please connect headphones.</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../src/app/measurement/messfenster_hoertest.cpp" line="+0"/>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <location filename="../../src/app/measurement/messfenster_hoertest.cpp" line="-133"/>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+10"/>
        <source>Ton wird erzeugt. Bitte warten.</source>
        <translation>Generating the tone. Please wait.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lautstärke einstellen</source>
        <translation>Set the volume</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lautstärke einstellen, Mikrofonspannung und Schallpegel messen und eingeben</source>
        <translation>Set the volume, measure and enter the microphone voltage and the sound level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lautstärke einstellen, Mikrofonspannung messen und eingeben</source>
        <translation>Set the volume, measure and enter the microphone voltage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lautstärke einstellen, Schalldruckpegel messen und eingeben</source>
        <translation>Set the volume, measure and enter the sound pressure level</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Datei nicht vorhanden</source>
        <translation>File not found</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <location filename="../../src/app/measurement/messfenster_pegel.cpp" line="+43"/>
        <location line="+11"/>
        <source>Eingabefehler</source>
        <translation>Input error</translation>
    </message>
    <message>
        <location line="+138"/>
        <source>Kalibrierung links: %1</source>
        <extracomment>%1 the state of the ear&apos;s calibration (kind and date)</extracomment>
        <translation>Calibration left: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Kalibrierung rechts: %1</source>
        <translation>Calibration right: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Setzen Sie den Kopfhörer nicht auf: er liegt am Mikrofon, die Töne sind laut. %1</source>
        <translation>Do not put the headphones on: they lie on the microphone and the tones are loud. %1</translation>
    </message>
</context>
<context>
    <name>TRuhepegel_Form</name>
    <message>
        <location filename="../../src/app/measurement/ruhepegel.cpp" line="+333"/>
        <location line="+7"/>
        <source>Ruhepegel</source>
        <translation>Room noise</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Oktavband</source>
        <translation>Octave band</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Zulässig</source>
        <translation>Permissible</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Ruhepegel vor dem Hörtest des linken Ohrs (3 s, dB SPL)</source>
        <translation>Room noise before the hearing test of the left ear (3 s, dB SPL)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ruhepegel vor dem Hörtest des rechten Ohrs (3 s, dB SPL)</source>
        <translation>Room noise before the hearing test of the right ear (3 s, dB SPL)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>⚠ %1 dB zu laut</source>
        <translation>⚠ %1 dB too loud</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in Ordnung</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der Raum ist ruhig genug für den Hörtest.</source>
        <translation>The room is quiet enough for the hearing test.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Der Raum ist in einem Oktavband zu laut; dort gemessene Hörschwellen können zu hoch sein.</source>
        <translation>The room is too loud in one octave band; hearing thresholds measured there may be too high.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Der Raum ist in %1 Oktavbändern zu laut; dort gemessene Hörschwellen können zu hoch sein.</source>
        <translation>The room is too loud in %1 octave bands; hearing thresholds measured there may be too high.</translation>
    </message>
</context>
<context>
    <name>TSchallpegel_Form</name>
    <message>
        <location filename="../../src/app/measurement/schallpegel_fenster.cpp" line="+96"/>
        <source>Schallpegel</source>
        <translation>Sound level</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>übersteuert</source>
        <translation>clipping</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Die Audioaufnahme kann nicht gestartet werden. Vermutlich greift ein anderes Programm ebenfalls auf die Audioaufnahme zu.</source>
        <translation>The audio recording cannot be started. Another program is probably using the audio recording as well.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Höchstwert: %1</source>
        <extracomment>%1 the highest level since the window opened, with its unit</extracomment>
        <translation>Peak: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequenz: %1 Hz</source>
        <translation>Frequency: %1 Hz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequenz: –</source>
        <translation>Frequency: –</translation>
    </message>
</context>
<context>
    <name>aufnahme</name>
    <message>
        <location filename="../../src/app/measurement/aufnahme.cpp" line="+139"/>
        <source>Falsche Version der BASS.dll geladen!</source>
        <translation>Wrong version of BASS.dll loaded!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bitte verbinden Sie ein Mikrofon mit dem PC. Starten Sie anschließend die Vazozez-Software erneut.</source>
        <translation>Please connect a microphone to the PC. Then start the Vazozez software again.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+19"/>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Bitte schließen Sie ein Mikrofon an.</source>
        <translation>Please connect a microphone.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Die Audioaufnahme kann nicht gestartet werden. Vermutlich greift ein anderes Programm ebenfalls auf die Audioaufnahme zu. Schließen Sie alle anderen Programme und versuchen es dann erneut.</source>
        <translation>The audio recording cannot be started. Another program is probably using the audio recording as well. Close all other programs and then try again.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+50"/>
        <source>Audiofehler</source>
        <translation>Audio error</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>Aufnahmefehler!</source>
        <translation>Recording error!</translation>
    </message>
</context>
<context>
    <name>einstellungen_messungen</name>
    <message>
        <location filename="../../src/app/measurement/einstellungen_messungen.h" line="+43"/>
        <source>Der Ton ist zu Ende. Bitte &quot;Stopp&quot; drücken: der Wert gilt dann als Grenze.</source>
        <translation>The tone has ended. Please press &quot;Stop&quot;: the value then counts as a limit.</translation>
    </message>
</context>
<context>
    <name>ruhepegel</name>
    <message>
        <location filename="../../src/app/measurement/ruhepegel.cpp" line="-257"/>
        <source>Die Audioaufnahme kann nicht gestartet werden, der Ruhepegel wird nicht geprüft. Vermutlich greift ein anderes Programm ebenfalls auf die Audioaufnahme zu.</source>
        <translation>The audio recording cannot be started; the room noise will not be checked. Another program is probably using the audio recording as well.</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Ruhepegel während des Tons zu hoch: im Oktavband %1 um %2 dB über der Grenze von %3 dB. Die Hörschwelle kann zu hoch gemessen sein.</source>
        <extracomment>%1 the octave band (e.g. &quot;1 kHz&quot;), %2 by how many dB it lay above its limit, %3 the limit in dB</extracomment>
        <translation>Room noise too high during the tone: in the %1 octave band %2 dB above the limit of %3 dB. The hearing threshold may have been measured too high.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Aktiv</source>
        <translation>Active</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Der Ruhepegel des Raums wird gemessen. Bitte 3 Sekunden Ruhe.</source>
        <translation>Measuring the room noise. Please keep quiet for 3 seconds.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Bereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Der Ruhepegel konnte nicht gemessen werden: Die Audioaufnahme liefert keine Daten. Der Hörtest wird ohne diese Prüfung fortgesetzt.</source>
        <translation>The room noise could not be measured: the audio recording delivers no data. The hearing test continues without this check.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+29"/>
        <source>Ruhepegel</source>
        <translation>Room noise</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>%1 um %2 dB</source>
        <extracomment>One band of a list: %1 the octave band (e.g. &quot;1 kHz&quot;), %2 by how many dB it lies above its limit</extracomment>
        <translation>%1 by %2 dB</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Der Raum ist für den Hörtest zu laut. Der Ruhepegel liegt über der zulässigen Grenze: %1.
Hörschwellen in diesen Bereichen können zu hoch gemessen werden. Mit „OK“ geht der Hörtest trotzdem weiter, mit „Abbrechen“ wird vor dem nächsten Start erneut gemessen.</source>
        <extracomment>%1 the list of octave bands that are too loud</extracomment>
        <translation>The room is too loud for the hearing test. The room noise is above the permissible limit: %1.
Hearing thresholds in these ranges may be measured too high. With “OK” the hearing test continues anyway; with “Cancel” the room is measured again before the next start.</translation>
    </message>
</context>
<context>
    <name>schallpegel_fenster</name>
    <message>
        <location filename="../../src/app/measurement/schallpegel_fenster.cpp" line="-121"/>
        <source>Es ist keine Kalibrierung des Mikrofons aktiv. Bitte richten Sie zuerst ein Messmikrofon ein oder laden Sie die Einstellungen des Schallpegelmessers.</source>
        <translation>No microphone calibration is active. Please set up a measurement microphone first or load the settings of the sound level meter.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
</TS>
