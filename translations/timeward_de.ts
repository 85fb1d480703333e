<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>LoginHours</name>
    <message>
        <source>Allow</source>
        <translation>Erlauben</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Sperren</translation>
    </message>
</context>
<context>
    <name>BugReport</name>
    <message>
        <source>Please enter your name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Please enter your email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: timeward [/q | /l | -h | --version]</source>
        <translation>Aufruf: timeward [/q | /l | -h | --version]</translation>
    </message>
    <message>
        <source>Without a switch TimeWard starts and shows its login window; when it runs already, the running copy shows its main window.</source>
        <translation>Ohne Schalter startet TimeWard und zeigt sein Anmeldefenster; läuft es schon, zeigt die laufende Kopie ihr Hauptfenster.</translation>
    </message>
    <message>
        <source>Switches (the whole command line, in any letter case):</source>
        <translation>Schalter (die ganze Befehlszeile, Groß- und Kleinschreibung egal):</translation>
    </message>
    <message>
        <source>ask the running TimeWard to end</source>
        <translation>das laufende TimeWard beenden</translation>
    </message>
    <message>
        <source>ask the running TimeWard to log the user out</source>
        <translation>das laufende TimeWard den Benutzer abmelden lassen</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation>Umgebungsvariablen:</translation>
    </message>
    <message>
        <source>the data folder</source>
        <translation>der Datenordner</translation>
    </message>
    <message>
        <source>without TIMEWARD_HOME and a writable /var/lib/timeward, the data folder is XDG_DATA_HOME/timeward (~/.local/share/timeward)</source>
        <translation>ohne TIMEWARD_HOME und ohne beschreibbares /var/lib/timeward ist der Datenordner XDG_DATA_HOME/timeward (~/.local/share/timeward)</translation>
    </message>
    <message>
        <source>the language of the windows (English, German, French or Spanish)</source>
        <translation>die Sprache der Fenster (Englisch, Deutsch, Französisch oder Spanisch)</translation>
    </message>
    <message>
        <source>how dates and times are shown</source>
        <translation>wie Datum und Uhrzeit angezeigt werden</translation>
    </message>
    <message>
        <source>the desktop the windows appear on</source>
        <translation>der Desktop, auf dem die Fenster erscheinen</translation>
    </message>
    <message>
        <source>where the update check looks</source>
        <translation>die Adresse des Update-Servers</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Datenordner: %1</translation>
    </message>
</context>
<context>
    <name>EndActions</name>
    <message>
        <source>Power off the computer</source>
        <translation>Computer ausschalten</translation>
    </message>
    <message>
        <source>Log out of the desktop</source>
        <translation>Vom Desktop abmelden</translation>
    </message>
    <message>
        <source>Restart the computer</source>
        <translation>Computer neu starten</translation>
    </message>
    <message>
        <source>Back to the TimeWard login</source>
        <translation>Zurück zur TimeWard-Anmeldung</translation>
    </message>
</context>
<context>
    <name>ErrorPrompt</name>
    <message>
        <source>Do you want to mail the author on this bug first?  It would really help the debugging process.</source>
        <translation>Möchten Sie dem Autor zuerst einen Fehlerbericht schicken?  Das hilft sehr bei der Fehlersuche.</translation>
    </message>
    <message>
        <source>An error occurred!
	Error %1: %2
You may either Abort (exit), Retry or Ignore</source>
        <translation>Ein Fehler ist aufgetreten!
	Fehler %1: %2
Sie können abbrechen (beenden), wiederholen oder ignorieren</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>TimeWard Help</source>
        <translation>TimeWard-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>Hilfe &amp;verwenden</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of a word:</source>
        <translation>&amp;Geben Sie die ersten Buchstaben eines Wortes ein:</translation>
    </message>
</context>
<context>
    <name>LoginMessages</name>
    <message>
        <source>Please select a user first</source>
        <translation>Bitte wählen Sie zuerst einen Benutzer aus</translation>
    </message>
    <message>
        <source>Please enter a password</source>
        <translation>Bitte geben Sie ein Passwort ein</translation>
    </message>
    <message>
        <source>%1 is not a user</source>
        <translation>%1 ist kein Benutzer</translation>
    </message>
    <message>
        <source>Invalid Password!</source>
        <translation>Falsches Passwort!</translation>
    </message>
    <message>
        <source>Password already used!</source>
        <translation>Passwort wurde schon benutzt!</translation>
    </message>
    <message>
        <source>User has no time left!</source>
        <translation>Keine Zeit mehr übrig!</translation>
    </message>
    <message>
        <source>User cannot log in at this time!</source>
        <translation>Anmeldung zu dieser Zeit nicht erlaubt!</translation>
    </message>
    <message>
        <source>%1 is not a parent</source>
        <translation>%1 ist kein Elternteil</translation>
    </message>
    <message>
        <source>Logins are allowed again at %1.</source>
        <translation>Anmelden ist wieder um %1 möglich.</translation>
    </message>
    <message>
        <source>Logins are not allowed at any hour.</source>
        <translation>Anmelden ist zu keiner Uhrzeit erlaubt.</translation>
    </message>
    <message>
        <source>TimeWard cannot read its settings store right now, so nobody can log in. Please ask a parent.</source>
        <translation>TimeWard kann seinen Einstellungsspeicher gerade nicht lesen, daher kann sich niemand anmelden. Bitte frag deine Eltern.</translation>
    </message>
</context>
<context>
    <name>ParentPageTab</name>
    <message>
        <source>Parents can see and give time from a phone or another computer at home, in its web browser. Only a parent&apos;s name and password open the page.</source>
        <translation>Eltern können von einem Handy oder einem anderen Computer im Haus aus im Browser die Zeit sehen und Zeit geben. Nur Name und Passwort eines Elternteils öffnen die Seite.</translation>
    </message>
    <message>
        <source>Serve the &amp;parent&apos;s page on the home network</source>
        <translation>&amp;Elternseite im Heimnetz anbieten</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>On the phone</source>
        <translation>Auf dem Handy</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>Die Seite ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>The page could not be opened: %1</source>
        <translation>Die Seite konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Type this address in the phone&apos;s browser:</source>
        <translation>Geben Sie diese Adresse im Browser des Handys ein:</translation>
    </message>
    <message>
        <source>The phone warns about the page&apos;s own certificate the first time. Its SHA-256 fingerprint:</source>
        <translation>Beim ersten Mal warnt das Handy vor dem eigenen Zertifikat der Seite. Sein SHA-256-Fingerabdruck:</translation>
    </message>
</context>
<context>
    <name>Periods</name>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>am %1</translation>
    </message>
    <message>
        <source>on the %1st</source>
        <translation>am %1.</translation>
    </message>
    <message>
        <source>on the %1nd</source>
        <translation>am %1.</translation>
    </message>
    <message>
        <source>on the %1rd</source>
        <translation>am %1.</translation>
    </message>
    <message>
        <source>on the %1th</source>
        <translation>am %1.</translation>
    </message>
    <message>
        <source>Your time is not renewed.</source>
        <translation>Ihre Zeit wird nicht erneuert.</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>One Time</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <source>Your time renews %1 at %2.</source>
        <translation>Ihre Zeit wird %1 um %2 Uhr erneuert.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Too many wrong passwords. Please wait a minute.</source>
        <translation>Zu viele falsche Passwörter. Bitte warten Sie eine Minute.</translation>
    </message>
    <message>
        <source>Too many wrong passwords. Please wait %1 minutes.</source>
        <translation>Zu viele falsche Passwörter. Bitte warte %1 Minuten.</translation>
    </message>
    <message>
        <source>The time of %1 could not be saved: %2. Nothing was changed.</source>
        <translation>Die Zeit von %1 konnte nicht gespeichert werden: %2. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>QtCloseSignals</name>
    <message>
        <source>Saving the current user&apos;s time and lifting the restrictions</source>
        <translation>Die Zeit des angemeldeten Benutzers wird gespeichert und die Sperren werden aufgehoben</translation>
    </message>
</context>
<context>
    <name>QtHttp</name>
    <message>
        <source>not a valid address: %1</source>
        <translation>keine gültige Adresse: %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>keine Antwort innerhalb von %1 Sekunden</translation>
    </message>
</context>
<context>
    <name>QtModules</name>
    <message>
        <source>%1 is not installed (looked for %2)</source>
        <translation>%1 ist nicht installiert (gesucht in %2)</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>TimeWard Log</source>
        <translation>TimeWard-Protokoll</translation>
    </message>
    <message>
        <source>TimeWard Time Usage</source>
        <translation>TimeWard-Zeitnutzung</translation>
    </message>
    <message>
        <source>TimeWard User Passwords</source>
        <translation>TimeWard-Benutzerpasswörter</translation>
    </message>
    <message>
        <source>TimeWard User Information</source>
        <translation>TimeWard-Benutzerinformationen</translation>
    </message>
    <message>
        <source>TimeWard Weekly Usage</source>
        <translation>TimeWard-Wochennutzung</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>The report could not be printed.
%1</source>
        <translation>Der Bericht konnte nicht gedruckt werden.
%1</translation>
    </message>
    <message>
        <source>Printed %1 at %2</source>
        <translation>Gedruckt am %1 um %2</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Name		Measured By	Time Allowed	Time Available</source>
        <translation>Name		Zeitraum	Erlaubte Zeit	Verfügbare Zeit</translation>
    </message>
    <message>
        <source>	User Number: </source>
        <translation>	Benutzernummer: </translation>
    </message>
    <message>
        <source>	Parent Rights?: </source>
        <translation>	Elternrechte?: </translation>
    </message>
    <message>
        <source>	Time Based On: </source>
        <translation>	Zeitraum: </translation>
    </message>
    <message>
        <source>	Time Per Period: </source>
        <translation>	Zeit pro Zeitraum: </translation>
    </message>
    <message>
        <source>	Take Action?: </source>
        <translation>	Aktion ausführen?: </translation>
    </message>
    <message>
        <source>		Action:</source>
        <translation>		Aktion:</translation>
    </message>
    <message>
        <source>	Display Message?: </source>
        <translation>	Meldung anzeigen?: </translation>
    </message>
    <message>
        <source>		Text:</source>
        <translation>		Text:</translation>
    </message>
    <message>
        <source>	Play Sound?: </source>
        <translation>	Ton abspielen?: </translation>
    </message>
    <message>
        <source>		Sound:</source>
        <translation>		Ton:</translation>
    </message>
    <message>
        <source>	Free Time: </source>
        <translation>	Verbleibende Zeit: </translation>
    </message>
    <message>
        <source>User:  </source>
        <translation>Benutzer:  </translation>
    </message>
    <message>
        <source>Are you sure you wish to print the log?</source>
        <translation>Möchten Sie das Protokoll wirklich drucken?</translation>
    </message>
    <message>
        <source>Are you sure you wish to print the time usage?</source>
        <translation>Möchten Sie die Zeitnutzung wirklich drucken?</translation>
    </message>
    <message>
        <source>Are you sure you wish to print the user information?</source>
        <translation>Möchten Sie die Benutzerinformationen wirklich drucken?</translation>
    </message>
    <message>
        <source>Are you sure you wish to print all?</source>
        <translation>Möchten Sie wirklich alles drucken?</translation>
    </message>
    <message>
        <source>Are you sure you wish to print all the passwords for this user?</source>
        <translation>Möchten Sie wirklich alle Passwörter dieses Benutzers drucken?</translation>
    </message>
    <message>
        <source>Time used on each of the last %1 days, in hours and minutes.</source>
        <translation>Genutzte Zeit an jedem der letzten %1 Tage, in Stunden und Minuten.</translation>
    </message>
    <message>
        <source>Measured By: </source>
        <translation>Zeitraum: </translation>
    </message>
    <message>
        <source>Allowance A Day: </source>
        <translation>Zeit pro Tag: </translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Last 7 Days: %1, average %2 a day</source>
        <translation>Letzte 7 Tage: %1, im Schnitt %2 pro Tag</translation>
    </message>
    <message>
        <source> (today)</source>
        <translation> (heute)</translation>
    </message>
    <message>
        <source>Are you sure you wish to print the weekly usage?</source>
        <translation>Möchten Sie die Wochennutzung wirklich drucken?</translation>
    </message>
    <message>
        <source>	Time Restrictions?: </source>
        <translation>	Zeitbeschränkungen?: </translation>
    </message>
    <message>
        <source>		From %1 till %2: %3</source>
        <translation>		Von %1 bis %2: %3</translation>
    </message>
    <message>
        <source>No printer is installed, so the report was saved as a PDF file:
%1</source>
        <translation>Es ist kein Drucker eingerichtet, daher wurde der Bericht als PDF-Datei gespeichert:
%1</translation>
    </message>
    <message>
        <source>No printer is installed, so the reports were saved as PDF files:
%1</source>
        <translation>Es ist kein Drucker eingerichtet, daher wurden die Berichte als PDF-Dateien gespeichert:
%1</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No program of the desktop could open %1.</source>
        <translation>Kein Programm des Desktops konnte %1 öffnen.</translation>
    </message>
</context>
<context>
    <name>Requests</name>
    <message>
        <source>the settings store refused the change</source>
        <translation>der Einstellungsspeicher hat die Änderung abgelehnt</translation>
    </message>
    <message>
        <source>Nobody is logged in.</source>
        <translation>Niemand ist angemeldet.</translation>
    </message>
    <message>
        <source>A parent can give time in the main window.</source>
        <translation>Eltern können im Hauptfenster Zeit geben.</translation>
    </message>
    <message>
        <source>Your time is unlimited.</source>
        <translation>Deine Zeit ist unbegrenzt.</translation>
    </message>
    <message>
        <source>Please choose 5, 15 or 30 minutes.</source>
        <translation>Bitte wähle 5, 15 oder 30 Minuten.</translation>
    </message>
    <message>
        <source>You have already asked for more time. Please wait for a parent&apos;s answer.</source>
        <translation>Du hast schon um mehr Zeit gebeten. Bitte warte auf die Antwort deiner Eltern.</translation>
    </message>
    <message>
        <source>You have just asked. You can ask again in a minute.</source>
        <translation>Du hast gerade gefragt. In einer Minute kannst du wieder fragen.</translation>
    </message>
    <message numerus="yes">
        <source>You have just asked. You can ask again in %n minute(s).</source>
        <translation>
            <numerusform>Du hast gerade gefragt. In %n Minute kannst du wieder fragen.</numerusform>
            <numerusform>Du hast gerade gefragt. In %n Minuten kannst du wieder fragen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your request could not be saved, so no parent can see it. Please ask a parent in person.</source>
        <translation>Deine Bitte konnte nicht gespeichert werden, daher sehen deine Eltern sie nicht. Bitte frag sie direkt.</translation>
    </message>
    <message>
        <source>That request does not exist.</source>
        <translation>Diese Bitte gibt es nicht.</translation>
    </message>
    <message>
        <source>That request has been answered or closed already.</source>
        <translation>Diese Bitte ist schon beantwortet oder geschlossen.</translation>
    </message>
    <message>
        <source>Please give from 1 to %1 minutes.</source>
        <translation>Bitte geben Sie 1 bis %1 Minuten.</translation>
    </message>
    <message>
        <source>User %1 no longer exists.</source>
        <translation>Den Benutzer %1 gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>The answer could not be saved, and nothing was changed:</source>
        <translation>Die Antwort konnte nicht gespeichert werden, es wurde nichts geändert:</translation>
    </message>
    <message>
        <source>A parent</source>
        <translation>Ein Elternteil</translation>
    </message>
    <message numerus="yes">
        <source>%1 gave you %n minute(s).</source>
        <translation>
            <numerusform>%1 hat dir %n Minute gegeben.</numerusform>
            <numerusform>%1 hat dir %n Minuten gegeben.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 said no.</source>
        <translation>%1 hat Nein gesagt.</translation>
    </message>
</context>
<context>
    <name>RequestsView</name>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gefragt</translation>
    </message>
    <message>
        <source>&amp;Approve…</source>
        <translation>&amp;Genehmigen…</translation>
    </message>
    <message>
        <source>&amp;Deny</source>
        <translation>&amp;Ablehnen</translation>
    </message>
</context>
<context>
    <name>ScreenSaver</name>
    <message>
        <source>True</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>SessionClock</name>
    <message>
        <source>You have 3 minutes before you run out of time.  It is recommended to close down any applications you are currently running.</source>
        <translation>Sie haben noch 3 Minuten Zeit.  Bitte schließen Sie jetzt alle Programme, mit denen Sie gerade arbeiten.</translation>
    </message>
    <message>
        <source>TimeWard cannot save the time left right now. The time is still counted, and it is saved as soon as the settings store accepts it.</source>
        <translation>TimeWard kann die verbleibende Zeit gerade nicht speichern. Die Zeit wird weiter gezählt und gespeichert, sobald der Einstellungsspeicher sie annimmt.</translation>
    </message>
    <message>
        <source>Ask for &amp;More Time…</source>
        <translation>Um &amp;mehr Zeit bitten…</translation>
    </message>
</context>
<context>
    <name>StartupRegistration</name>
    <message>
        <source>On this computer both choices start TimeWard when this account&apos;s desktop starts (this account cannot write %1).</source>
        <translation>Auf diesem Computer starten beide Möglichkeiten TimeWard mit dem Desktop dieses Kontos (dieses Konto darf %1 nicht beschreiben).</translation>
    </message>
    <message>
        <source>Regular starts TimeWard with this account&apos;s desktop; As Service with every account&apos;s desktop. Starting before anyone logs in needs the login screen&apos;s own set-up (see the README).</source>
        <translation>„Normal“ startet TimeWard mit dem Desktop dieses Kontos, „Als Dienst“ mit dem Desktop jedes Kontos. Ein Start vor jeder Anmeldung muss im Anmeldebildschirm selbst eingerichtet werden (siehe README).</translation>
    </message>
</context>
<context>
    <name>TimeFields</name>
    <message>
        <source>Please enter a whole number of hours (0 to %1) in the Hours box.</source>
        <translation>Bitte geben Sie im Feld „Stunden“ eine ganze Zahl von 0 bis %1 ein.</translation>
    </message>
    <message>
        <source>Please enter a whole number of minutes (0 to %1) in the Minutes box.</source>
        <translation>Bitte geben Sie im Feld „Minuten“ eine ganze Zahl von 0 bis %1 ein.</translation>
    </message>
    <message>
        <source>Please enter a whole number of seconds (0 to %1) in the Seconds box.</source>
        <translation>Bitte geben Sie im Feld „Sekunden“ eine ganze Zahl von 0 bis %1 ein.</translation>
    </message>
</context>
<context>
    <name>TimeOut</name>
    <message>
        <source>You have run out of time.  However, you may choose to have an extra %1 minutes before you have to log off.  You will have this amount taken away from you at the start of the next time period.  Do you wish to have the extra minutes?</source>
        <translation>Ihre Zeit ist abgelaufen.  Sie können aber noch %1 zusätzliche Minuten bekommen, bevor Sie sich abmelden müssen.  Diese Zeit wird Ihnen zu Beginn des nächsten Zeitraums abgezogen.  Möchten Sie die zusätzlichen Minuten haben?</translation>
    </message>
    <message>
        <source>You have run out of time.  However, you may choose to have an extra %1 minutes before you have to log off.  There will be no penalty for doing this.  Do you wish to have the extra minutes?</source>
        <translation>Ihre Zeit ist abgelaufen.  Sie können aber noch %1 zusätzliche Minuten bekommen, bevor Sie sich abmelden müssen.  Dafür wird Ihnen nichts abgezogen.  Möchten Sie die zusätzlichen Minuten haben?</translation>
    </message>
</context>
<context>
    <name>TimeOutActions</name>
    <message>
        <source>Wav Files (*.wav);;All Files (*)</source>
        <translation>WAV-Dateien (*.wav);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Executables (*.exe *.com *.bat);;All Files (*)</source>
        <translation>Programme (*.exe *.com *.bat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open .Wav File</source>
        <translation>WAV-Datei öffnen</translation>
    </message>
    <message>
        <source>Open Program</source>
        <translation>Programm öffnen</translation>
    </message>
    <message>
        <source>Launch Program</source>
        <translation>Programm starten</translation>
    </message>
    <message>
        <source>Take Action</source>
        <translation>Aktion ausführen</translation>
    </message>
    <message>
        <source>Display Message</source>
        <translation>Meldung anzeigen</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Ton abspielen</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>The update server answered with an error (HTTP %1%2).  Please try again later.</source>
        <translation>Der Update-Server hat mit einem Fehler geantwortet (HTTP %1%2).  Bitte versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>Could not reach the update server (%1).  Please check your internet connection and try again.</source>
        <translation>Der Update-Server ist nicht erreichbar (%1).  Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>The update server sent no version number.  Please try again later.</source>
        <translation>Der Update-Server hat keine Versionsnummer geschickt.  Bitte versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>You have the current version.</source>
        <translation>Sie haben die aktuelle Version.</translation>
    </message>
    <message>
        <source>A newer version is out (%1).  If you wish to download the update (recommended), please copy the box below and paste it in your favorite browser.</source>
        <translation>Eine neuere Version ist erschienen (%1).  Wenn Sie das Update herunterladen möchten (empfohlen), kopieren Sie die Adresse unten und fügen Sie sie in Ihren Browser ein.</translation>
    </message>
    <message>
        <source>No update server is set, so TimeWard cannot look for a new version.  To use one, start TimeWard with the environment variable TIMEWARD_UPDATE_URL set to the server&apos;s address (for example in the Exec line of its autostart entry); the README says more.</source>
        <translation>Es ist kein Update-Server eingestellt, daher kann TimeWard nicht nach einer neuen Version suchen.  Um einen zu nutzen, starten Sie TimeWard mit der Umgebungsvariablen TIMEWARD_UPDATE_URL auf die Adresse des Servers gesetzt (zum Beispiel in der Exec-Zeile seines Autostart-Eintrags); mehr steht in der README.</translation>
    </message>
</context>
<context>
    <name>UsageView</name>
    <message>
        <source>No users.</source>
        <translation>Keine Benutzer.</translation>
    </message>
    <message>
        <source>Time used, last %1 days to %2</source>
        <translation>Genutzte Zeit, letzte %1 Tage bis %2</translation>
    </message>
    <message>
        <source>— allowance a day</source>
        <translation>— erlaubte Zeit pro Tag</translation>
    </message>
    <message>
        <source>%1
7 days: %2
Average: %3 a day</source>
        <translation>%1
7 Tage: %2
Schnitt: %3 pro Tag</translation>
    </message>
</context>
<context>
    <name>UserTable</name>
    <message>
        <source>At least one user must have parent rights.  And currently none are.  Therefore, this user has to have parent rights.</source>
        <translation>Mindestens ein Benutzer muss Elternrechte haben, und im Moment hat keiner welche.  Deshalb muss dieser Benutzer Elternrechte bekommen.</translation>
    </message>
    <message>
        <source>%1 is the only user with parent rights, so this user has to keep them.  Give another user parent rights first.</source>
        <translation>%1 ist der einzige Benutzer mit Elternrechten und muss sie deshalb behalten.  Geben Sie zuerst einem anderen Benutzer Elternrechte.</translation>
    </message>
    <message>
        <source>%1 is the only user with parent rights and cannot be deleted.  Give another user parent rights first.</source>
        <translation>%1 ist der einzige Benutzer mit Elternrechten und kann nicht gelöscht werden.  Geben Sie zuerst einem anderen Benutzer Elternrechte.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About TimeWard</source>
        <translation>Über TimeWard</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Decides who may use this computer, when, and for how long.</source>
        <translation>Bestimmt, wer diesen Computer wann und wie lange benutzen darf.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmAddNewUserWizard</name>
    <message>
        <source>Add New User Wizard</source>
        <translation>Assistent für neue Benutzer</translation>
    </message>
    <message>
        <source>Welcome to the Add New User Wizard.

This wizard is a simpler and faster way of adding a user than the Classic way.  It offers fewer options: you give the user a name, a password, a time period with its allowance, and say what happens when the time runs out.  Everything else can be edited later in the User Stats.

Click Next to begin, or Classic Mode to use the full user editor.</source>
        <translation>Willkommen beim Assistenten für neue Benutzer.

Mit diesem Assistenten legen Sie einen Benutzer einfacher und schneller an als auf die klassische Weise.  Er bietet weniger Möglichkeiten: Sie geben dem Benutzer einen Namen, ein Passwort und einen Zeitraum mit seiner Zeit und legen fest, was passiert, wenn die Zeit abläuft.  Alles andere können Sie später unter „Benutzer-Statistik“ ändern.

Klicken Sie auf „Weiter“, um zu beginnen, oder auf „Klassischer Modus“ für den vollständigen Benutzer-Editor.</translation>
    </message>
    <message>
        <source>Welcome to the Add New User Wizard.

TimeWard needs one user to begin with: a parent user.  A parent user can change TimeWard&apos;s options and can add, edit and delete the other users.  You will log in with this user to set everything else up.

The steps are:
1.)  Get user name
2.)  Set up a password
3.)  Set up optional time restrictions and login options

Click Next to begin.</source>
        <translation>Willkommen beim Assistenten für neue Benutzer.

TimeWard braucht zu Beginn einen Benutzer: einen Elternteil.  Ein Elternteil kann die Einstellungen von TimeWard ändern und die anderen Benutzer anlegen, bearbeiten und löschen.  Mit diesem Benutzer melden Sie sich an, um alles Weitere einzurichten.

Die Schritte sind:
1.)  Benutzername
2.)  Passwort festlegen
3.)  Wahlweise Zeitbeschränkungen und Anmeldeoptionen einrichten

Klicken Sie auf „Weiter“, um zu beginnen.</translation>
    </message>
    <message>
        <source>Now you will need to enter a name and password for your user.  The name can be any name, nickname, handle or whatever you choose, as long as it&apos;s not already taken.</source>
        <translation>Geben Sie jetzt einen Namen und ein Passwort für den Benutzer ein.  Der Name kann ein Vorname, Spitzname oder was immer Sie möchten sein, solange er noch nicht vergeben ist.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>&amp;Re-enter</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>User has Parent Rights</source>
        <translation>Benutzer hat Elternrechte</translation>
    </message>
    <message>
        <source>Parent Rights denotes the user has access to the options and access to the user database.</source>
        <translation>Elternrechte bedeuten, dass der Benutzer die Einstellungen und die Benutzerverwaltung öffnen darf.</translation>
    </message>
    <message>
        <source>User can change password</source>
        <translation>Benutzer darf das Passwort ändern</translation>
    </message>
    <message>
        <source>You may either select Daily, Weekly, Monthly or Unlimited for the timing period the user has. </source>
        <translation>Als Zeitraum des Benutzers können Sie „Täglich“, „Wöchentlich“, „Monatlich“ oder „Unbegrenzt“ wählen. </translation>
    </message>
    <message>
        <source>&amp;Based On:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>&amp;Hours:</source>
        <translation>&amp;Stunden:</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minuten:</translation>
    </message>
    <message>
        <source>&amp;Seconds:</source>
        <translation>S&amp;ekunden:</translation>
    </message>
    <message>
        <source>Below you can select what happens when the user runs out of time.</source>
        <translation>Hier legen Sie fest, was passiert, wenn die Zeit des Benutzers abgelaufen ist.</translation>
    </message>
    <message>
        <source>Congratulations!  You have set up the new user.

The user has been given the basic settings.  For the advanced options (password lists, login options, time restrictions and more) choose Users | User Stats in the main window.

Select Finished now.</source>
        <translation>Herzlichen Glückwunsch!  Der neue Benutzer ist eingerichtet.

Er hat die Grundeinstellungen erhalten.  Die erweiterten Optionen (Passwortlisten, Anmeldeoptionen, Zeitbeschränkungen und mehr) finden Sie im Hauptfenster unter Benutzer | Benutzer-Statistik.

Wählen Sie jetzt „Fertig“.</translation>
    </message>
    <message>
        <source>Congratulations on setting up your new user!

The first user&apos;s settings were set to defaults: parent rights and unlimited time.  Now log in with that user and set up the other users, and check the Preferences to make TimeWard work the way you want.

Click Close to continue.</source>
        <translation>Herzlichen Glückwunsch, der neue Benutzer ist eingerichtet!

Der erste Benutzer hat die Standardeinstellungen erhalten: Elternrechte und unbegrenzte Zeit.  Melden Sie sich jetzt mit diesem Benutzer an, richten Sie die anderen Benutzer ein und stellen Sie unter „Einstellungen“ ein, wie TimeWard arbeiten soll.

Klicken Sie auf „Schließen“, um fortzufahren.</translation>
    </message>
    <message>
        <source>Classic &amp;Mode</source>
        <translation>Klassischer &amp;Modus</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source> - Step 1: Select A Name</source>
        <translation> – Schritt 1: Namen wählen</translation>
    </message>
    <message>
        <source>Please enter the user name</source>
        <translation>Bitte geben Sie den Benutzernamen ein</translation>
    </message>
    <message>
        <source>That user name is already taken, please try again</source>
        <translation>Dieser Benutzername ist schon vergeben, bitte wählen Sie einen anderen</translation>
    </message>
    <message>
        <source>Please enter a password</source>
        <translation>Bitte geben Sie ein Passwort ein</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match!</source>
        <translation>Die Passwörter stimmen nicht überein!</translation>
    </message>
    <message>
        <source>The password holds characters that cannot be stored.  Please use only letters, digits and the usual signs.</source>
        <translation>Das Passwort enthält Zeichen, die nicht gespeichert werden können.  Bitte verwenden Sie nur Buchstaben, Ziffern und die üblichen Satzzeichen.</translation>
    </message>
    <message>
        <source> - Finished!</source>
        <translation> – Fertig!</translation>
    </message>
    <message>
        <source> - Step 2: Select Time Restrictions</source>
        <translation> – Schritt 2: Zeit festlegen</translation>
    </message>
    <message>
        <source> - Step 3: Select Timeout Events</source>
        <translation> – Schritt 3: Aktionen bei Zeitablauf</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Are you sure you wish to close?

You will not be able to run the program until you finish this step.</source>
        <translation>Möchten Sie wirklich schließen?

Sie können das Programm erst benutzen, wenn Sie diesen Schritt abgeschlossen haben.</translation>
    </message>
    <message>
        <source>Confirm Close</source>
        <translation>Schließen bestätigen</translation>
    </message>
</context>
<context>
    <name>frmApproveMinutes</name>
    <message>
        <source>Approve</source>
        <translation>Genehmigen</translation>
    </message>
    <message>
        <source>How many minutes do you give %1?</source>
        <translation>Wie viele Minuten geben Sie %1?</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minuten:</translation>
    </message>
    <message>
        <source>&amp;Give</source>
        <translation>&amp;Geben</translation>
    </message>
    <message>
        <source>Please give from 1 to %1 minutes.</source>
        <translation>Bitte geben Sie 1 bis %1 Minuten.</translation>
    </message>
</context>
<context>
    <name>frmAskMoreTime</name>
    <message>
        <source>Ask for More Time</source>
        <translation>Um mehr Zeit bitten</translation>
    </message>
    <message>
        <source>A parent sees your request and answers it. How much more time would you like?</source>
        <translation>Deine Eltern sehen deine Bitte und antworten darauf. Wie viel mehr Zeit möchtest du?</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Freiwillig</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Grund:</translation>
    </message>
    <message>
        <source>&amp;Ask</source>
        <translation>&amp;Bitten</translation>
    </message>
    <message>
        <source>Your request has been sent. You will see the answer here as soon as a parent gives it.</source>
        <translation>Deine Bitte ist abgeschickt. Du siehst die Antwort hier, sobald deine Eltern sie geben.</translation>
    </message>
</context>
<context>
    <name>frmAskParent</name>
    <message>
        <source>Ask a Parent</source>
        <translation>Eltern fragen</translation>
    </message>
    <message>
        <source>Parent&apos;s &amp;name:</source>
        <translation>&amp;Name des Elternteils:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minuten:</translation>
    </message>
    <message>
        <source>&amp;Give Time</source>
        <translation>Zeit &amp;geben</translation>
    </message>
    <message>
        <source>A parent can give %1 more time now.</source>
        <translation>Ein Elternteil kann %1 jetzt mehr Zeit geben.</translation>
    </message>
    <message>
        <source>Please choose from 1 to %1 minutes.</source>
        <translation>Bitte wählen Sie 1 bis %1 Minuten.</translation>
    </message>
    <message>
        <source>The minutes could not be saved: %1. Nothing was given.</source>
        <translation>Die Minuten konnten nicht gespeichert werden: %1. Es wurde nichts gegeben.</translation>
    </message>
</context>
<context>
    <name>frmBadShutdown</name>
    <message>
        <source>Bad Shutdown Detected!</source>
        <translation>Unsauberes Beenden erkannt!</translation>
    </message>
    <message>
        <source>&amp;Never show this again</source>
        <translation>&amp;Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>TimeWard was stopped twice in a row without shutting down properly: the computer was switched off or restarted without shutting down, or TimeWard itself was ended from outside.  A child may have done this to get around the time limit; the activity log shows what happened before.  If you think TimeWard itself went wrong, you can send a report of it.</source>
        <translation>TimeWard wurde zweimal hintereinander nicht ordnungsgemäß beendet: Der Computer wurde ausgeschaltet oder neu gestartet, ohne herunterzufahren, oder TimeWard selbst wurde von außen beendet.  Vielleicht wollte ein Kind so die Zeitgrenze umgehen; das Aktivitätsprotokoll zeigt, was vorher geschah.  Wenn Sie glauben, dass TimeWard selbst einen Fehler hatte, können Sie einen Bericht darüber senden.</translation>
    </message>
    <message>
        <source>&amp;Report the Problem...</source>
        <translation>Problem &amp;melden...</translation>
    </message>
    <message>
        <source>&amp;Show the activity log</source>
        <translation>&amp;Aktivitätsprotokoll zeigen</translation>
    </message>
</context>
<context>
    <name>frmCheckForUpdate</name>
    <message>
        <source>TimeWard Auto-Updater</source>
        <translation>TimeWard-Aktualisierung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Your Version:</source>
        <translation>Ihre Version:</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Check For Update</source>
        <translation>Nach &amp;Update suchen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Please press Check For Update to see if there&apos;s a new update available.</source>
        <translation>Klicken Sie auf „Nach Update suchen“, um zu sehen, ob es ein neues Update gibt.</translation>
    </message>
    <message>
        <source>Are you connected to the internet?  You need to be to check if there&apos;s an update.</source>
        <translation>Sind Sie mit dem Internet verbunden?  Das ist nötig, um nach Updates zu suchen.</translation>
    </message>
    <message>
        <source>Checking for latest version, please stand by...</source>
        <translation>Suche nach der neuesten Version, bitte warten …</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmErrorWizard</name>
    <message>
        <source>Error Handler Wizard</source>
        <translation>Fehler-Assistent</translation>
    </message>
    <message>
        <source>The following information will help me with the debugging process.  Please answer the information to the best of your ability.  I will not give out any of this information.</source>
        <translation>Die folgenden Angaben helfen mir bei der Fehlersuche.  Bitte beantworten Sie die Fragen so gut Sie können.  Ich gebe diese Angaben nicht weiter.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No!</source>
        <translation>Nein!</translation>
    </message>
    <message>
        <source>Here, please type what you were doing at the time, what you did before this happened, any recent configuration changes, or what screen you were on when this happened.</source>
        <translation>Beschreiben Sie hier bitte, was Sie gerade getan haben, was Sie davor gemacht haben, ob Sie kürzlich etwas an der Einrichtung geändert haben und in welchem Fenster Sie waren, als es passiert ist.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Email</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <source>Does the program still function properly even though the error occurs?</source>
        <translation>Funktioniert das Programm trotz des Fehlers noch richtig?</translation>
    </message>
    <message>
        <source>Does the program still function at all?</source>
        <translation>Funktioniert das Programm überhaupt noch?</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Anmerkungen</translation>
    </message>
</context>
<context>
    <name>frmHelpBox</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>To start off, please click on 
the User Name box.
</source>
        <translation>Klicken Sie zuerst in das Feld
„Benutzername“.
</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Now Powering Off The Computer...</source>
        <translation>Der Computer wird ausgeschaltet …</translation>
    </message>
    <message>
        <source>Now Logging Out Of The Desktop...</source>
        <translation>Abmeldung vom Desktop …</translation>
    </message>
    <message>
        <source>Now Re-Booting The Computer...</source>
        <translation>Der Computer wird neu gestartet …</translation>
    </message>
    <message>
        <source>Time Ward Login</source>
        <translation>Time Ward – Anmeldung</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Login &amp;Name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>&amp;Ask a parent…</source>
        <translation>&amp;Eltern fragen …</translation>
    </message>
    <message>
        <source>Seconds To Login</source>
        <translation>Sekunden bis zur Anmeldung</translation>
    </message>
    <message>
        <source>The login timer has run out!</source>
        <translation>Die Anmeldezeit ist abgelaufen!</translation>
    </message>
    <message>
        <source>Timer Ran Out</source>
        <translation>Zeit abgelaufen</translation>
    </message>
    <message>
        <source>You cannot close this form using Task Manager.</source>
        <translation>Dieses Fenster kann nicht mit dem Task-Manager geschlossen werden.</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland, where the TimeWard login window cannot hold the keyboard and the mouse: while it is up, other programs can still be used. Time-outs still end the desktop session.

To close the gate, choose the X11 session at the login screen (for example &quot;GNOME on Xorg&quot;) before logging in to the desktop.</source>
        <translation>Dieser Desktop läuft unter Wayland, wo das TimeWard-Anmeldefenster Tastatur und Maus nicht festhalten kann: Solange es offen ist, lassen sich andere Programme weiter benutzen. Bei Zeitablauf wird die Desktop-Sitzung trotzdem beendet.

Um die Sperre zu schließen, wählen Sie vor der Anmeldung am Desktop im Anmeldebildschirm die X11-Sitzung (zum Beispiel &quot;GNOME on Xorg&quot;).</translation>
    </message>
    <message numerus="yes">
        <source>%1 gave %2 %n minute(s). Press Login to start.</source>
        <translation>
            <numerusform>%1 hat %2 %n Minute gegeben. Drücke auf „Anmelden“, um zu beginnen.</numerusform>
            <numerusform>%1 hat %2 %n Minuten gegeben. Drücke auf „Anmelden“, um zu beginnen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMailAuthorBadShutdown</name>
    <message>
        <source>Mailing The Author</source>
        <translation>Nachricht an den Autor</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>To Mail</source>
        <translation>Zu senden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Ok, it&apos;s mailed!</source>
        <translation>&amp;OK, ist verschickt!</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Ok, now please email that information to %1.  Thanks a lot!</source>
        <translation>Gut, bitte schicken Sie diese Angaben jetzt per E-Mail an %1.  Vielen Dank!</translation>
    </message>
    <message>
        <source>Please check it and delete anything you do not want to send.  It holds only the program&apos;s logs and some information about your system.</source>
        <translation>Bitte prüfen Sie ihn und löschen Sie alles, was Sie nicht senden möchten.  Er enthält nur die Protokolle des Programms und einige Angaben zu Ihrem System.</translation>
    </message>
    <message>
        <source>The &quot;To Mail&quot; box below holds a report of what happened.</source>
        <translation>Das Feld „Zu senden“ unten enthält einen Bericht über das Geschehene.</translation>
    </message>
    <message>
        <source>Then press Save to keep it in a file that you can send to whoever looks after this computer.</source>
        <translation>Drücken Sie dann auf „Speichern“, um ihn in einer Datei abzulegen, die Sie der Person schicken können, die sich um diesen Computer kümmert.</translation>
    </message>
    <message>
        <source>The contents of the &quot;To Mail&quot; box below will be sent to %1.</source>
        <translation>Der Inhalt des Feldes „Zu senden“ unten wird an %1 geschickt.</translation>
    </message>
    <message>
        <source>When you are ready, press Copy and mail it, or Save it to a file.</source>
        <translation>Wenn Sie so weit sind, drücken Sie auf „Kopieren“ und verschicken ihn, oder speichern Sie ihn in einer Datei.</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>The report is on the clipboard: paste it into a message to whoever looks after this computer.</source>
        <translation>Der Bericht ist in der Zwischenablage: Fügen Sie ihn in eine Nachricht an die Person ein, die sich um diesen Computer kümmert.</translation>
    </message>
    <message>
        <source>Save the Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved in %1.</source>
        <translation>Der Bericht konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The report was saved in %1.</source>
        <translation>Der Bericht wurde in %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>There is only one user left!  You cannot delete all of the users.</source>
        <translation>Es gibt nur noch einen Benutzer!  Sie können nicht alle Benutzer löschen.</translation>
    </message>
    <message>
        <source>Are you sure you wish to exit TimeWard?</source>
        <translation>Möchten Sie TimeWard wirklich beenden?</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Time Ward</source>
        <translation>Time Ward</translation>
    </message>
    <message>
        <source>User List</source>
        <translation>Benutzerliste</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Parent?</source>
        <translation>Elternteil?</translation>
    </message>
    <message>
        <source>Measured By</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Time Allowed</source>
        <translation>Erlaubte Zeit</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>  TimeWard Enabled  </source>
        <translation>  TimeWard aktiv  </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>TimeWard Disabled</source>
        <translation>TimeWard ausgeschaltet</translation>
    </message>
    <message>
        <source>Right-click a user for more choices.</source>
        <translation>Rechtsklick auf einen Benutzer zeigt mehr.</translation>
    </message>
    <message>
        <source>&amp;TimeWard</source>
        <translation>&amp;TimeWard</translation>
    </message>
    <message>
        <source>&amp;Enabled</source>
        <translation>&amp;Aktiv</translation>
    </message>
    <message>
        <source>&amp;Login New User</source>
        <translation>Neuen Benutzer &amp;anmelden</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>&amp;Time Usage</source>
        <translation>&amp;Zeitnutzung</translation>
    </message>
    <message>
        <source>&amp;User List</source>
        <translation>&amp;Benutzerliste</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>&amp;Alles</translation>
    </message>
    <message>
        <source>&amp;Weekly Usage</source>
        <translation>&amp;Wochennutzung</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>Fenster &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>Ben&amp;utzer</translation>
    </message>
    <message>
        <source>&amp;Add User</source>
        <translation>Benutzer &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Modify Time Remaining</source>
        <translation>Verbleibende Zeit &amp;ändern</translation>
    </message>
    <message>
        <source>Refresh &amp;Time Period</source>
        <translation>&amp;Zeitraum erneuern</translation>
    </message>
    <message>
        <source>User &amp;Stats</source>
        <translation>Benutzer-&amp;Statistik</translation>
    </message>
    <message>
        <source>&amp;Usage</source>
        <translation>&amp;Nutzung</translation>
    </message>
    <message>
        <source>&amp;Delete User</source>
        <translation>Benutzer &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Wizards</source>
        <translation>&amp;Assistenten</translation>
    </message>
    <message>
        <source>New &amp;User Wizard</source>
        <translation>Assistent für neue &amp;Benutzer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>Hilfe &amp;suchen …</translation>
    </message>
    <message>
        <source>&amp;Help On Using Help</source>
        <translation>&amp;Hilfe zur Hilfe</translation>
    </message>
    <message>
        <source>&amp;About TimeWard</source>
        <translation>&amp;Über TimeWard</translation>
    </message>
    <message>
        <source>Check For New &amp;Version</source>
        <translation>Nach neuer &amp;Version suchen</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Benutzer</translation>
    </message>
    <message>
        <source>&amp;Edit User</source>
        <translation>Benutzer &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Nutzung</translation>
    </message>
    <message>
        <source>TimeWard Enabled</source>
        <translation>TimeWard aktiv</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Bitten</translation>
    </message>
</context>
<context>
    <name>frmModUserFreeTime</name>
    <message>
        <source>That user has unlimited time!</source>
        <translation>Dieser Benutzer hat unbegrenzte Zeit!</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Free &amp;Hours</source>
        <translation>Verbleibende &amp;Stunden</translation>
    </message>
    <message>
        <source>Free &amp;Minutes:</source>
        <translation>Verbleibende &amp;Minuten:</translation>
    </message>
    <message>
        <source>Free &amp;Seconds:</source>
        <translation>Verbleibende S&amp;ekunden:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Modify User Free Time</source>
        <translation>Verbleibende Zeit ändern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Kept for other installations; no effect on this system</source>
        <translation>Für andere Installationen aufbewahrt; auf diesem System ohne Wirkung</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files|*.*</source>
        <translation>Protokolldateien (*.log)|*.log|Textdateien (*.txt)|*.txt|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>These options only work on some systems,  usually depending on what version of Windows95 you have (Win95b OSR2 namely *doesn&apos;t* work).  </source>
        <translation>Diese Optionen funktionieren nur auf manchen Systemen, meist abhängig von der Windows95-Version (mit Win95b OSR2 z. B. *nicht*).  </translation>
    </message>
    <message>
        <source>Use these options at your own risk!</source>
        <translation>Verwenden Sie diese Optionen auf eigene Gefahr!</translation>
    </message>
    <message>
        <source>Disable ScreenSaver</source>
        <translation>Bildschirmschoner sperren</translation>
    </message>
    <message>
        <source>Disable Tray Clock</source>
        <translation>Uhr im Infobereich sperren</translation>
    </message>
    <message>
        <source>Disable Mouse (Not Recommended)</source>
        <translation>Maus sperren (nicht empfohlen)</translation>
    </message>
    <message>
        <source>Disable Desktop</source>
        <translation>Desktop sperren</translation>
    </message>
    <message>
        <source>Disable Start Button</source>
        <translation>Start-Schaltfläche sperren</translation>
    </message>
    <message>
        <source>Disable Icon Tray</source>
        <translation>Infobereich sperren</translation>
    </message>
    <message>
        <source>Disable Taskbar</source>
        <translation>Taskleiste sperren</translation>
    </message>
    <message>
        <source>Disable Task Switching and CTRL-ALT-DEL to End Program</source>
        <translation>Programmwechsel und Strg+Alt+Entf zum Beenden sperren</translation>
    </message>
    <message>
        <source>User can&apos;t Add a Printer</source>
        <translation>Benutzer kann keinen Drucker hinzufügen</translation>
    </message>
    <message>
        <source>User can&apos;t Delete a Printer</source>
        <translation>Benutzer kann keinen Drucker löschen</translation>
    </message>
    <message>
        <source>General &amp;&amp; Details in Printer Properties</source>
        <translation>„Allgemein“ &amp;&amp; „Details“ in den Druckereigenschaften</translation>
    </message>
    <message>
        <source>User Profiles</source>
        <translation>Benutzerprofile</translation>
    </message>
    <message>
        <source>Remote Administration</source>
        <translation>Fernverwaltung</translation>
    </message>
    <message>
        <source>Change Passwords</source>
        <translation>Passwörter ändern</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Passwörter</translation>
    </message>
    <message>
        <source>Access Control</source>
        <translation>Zugriffssteuerung</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identifikation</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Virtual Memory</source>
        <translation>Virtueller Speicher</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Hardware Profiles</source>
        <translation>Hardwareprofile</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>Geräte-Manager</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Screen Saver</source>
        <translation>Bildschirmschoner</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Drives (Hide all of the drives in My Computer)</source>
        <translation>Laufwerke (alle Laufwerke im Arbeitsplatz ausblenden)</translation>
    </message>
    <message>
        <source>Entire Network (Hide &apos;Entire Network&apos; from Network Neighborhood)</source>
        <translation>Gesamtes Netzwerk („Gesamtes Netzwerk“ in der Netzwerkumgebung ausblenden)</translation>
    </message>
    <message>
        <source>File Sharing</source>
        <translation>Dateifreigabe</translation>
    </message>
    <message>
        <source>MS-DOS Mode option on Shutdown Menu</source>
        <translation>MS-DOS-Modus im Menü „Beenden“</translation>
    </message>
    <message>
        <source>MS-DOS Programs</source>
        <translation>MS-DOS-Programme</translation>
    </message>
    <message>
        <source>Password Caching</source>
        <translation>Passwörter zwischenspeichern</translation>
    </message>
    <message>
        <source>Printer Sharing</source>
        <translation>Druckerfreigabe</translation>
    </message>
    <message>
        <source>Registry Tools</source>
        <translation>Registrierungs-Werkzeuge</translation>
    </message>
    <message>
        <source>Save Settings On Exit</source>
        <translation>Einstellungen beim Beenden speichern</translation>
    </message>
    <message>
        <source>Workgroup Content (Hide computers from your own workgroup from Network Neighborhood)</source>
        <translation>Arbeitsgruppe (Computer der eigenen Arbeitsgruppe in der Netzwerkumgebung ausblenden)</translation>
    </message>
    <message>
        <source>Time Ward Preferences</source>
        <translation>Time Ward – Einstellungen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Auto Center Windows</source>
        <translation>Fenster automatisch zentrieren</translation>
    </message>
    <message>
        <source>Save Window Position On Exit</source>
        <translation>Fensterposition beim Beenden speichern</translation>
    </message>
    <message>
        <source>Generosity</source>
        <translation>Großzügigkeit</translation>
    </message>
    <message>
        <source>Be Generous</source>
        <translation>Großzügig sein</translation>
    </message>
    <message>
        <source>Allow for an extra</source>
        <translation>Zusätzlich erlauben:</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Display Warning Message</source>
        <translation>Warnmeldung anzeigen</translation>
    </message>
    <message>
        <source>Subtract Amount At End</source>
        <translation>Am Ende abziehen</translation>
    </message>
    <message>
        <source>Startup And Shutdown</source>
        <translation>Start und Beenden</translation>
    </message>
    <message>
        <source>Load On Startup</source>
        <translation>Beim Start laden</translation>
    </message>
    <message>
        <source>Regular (after user logs in)</source>
        <translation>Normal (nach der Anmeldung)</translation>
    </message>
    <message>
        <source>As Service (before user logs in)</source>
        <translation>Als Dienst (vor der Anmeldung)</translation>
    </message>
    <message>
        <source>Show Splash Screen (About Box)</source>
        <translation>Startbild anzeigen (Info-Fenster)</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Kompatibilität</translation>
    </message>
    <message>
        <source>Timer Interval:</source>
        <translation>Zeitgeber-Intervall:</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Not working in this version.</source>
        <translation>In dieser Version ohne Funktion.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Add Timeout To Time Used</source>
        <translation>Schonerzeit zur genutzten Zeit zählen</translation>
    </message>
    <message>
        <source>Log Screen Saver Load And Unloads</source>
        <translation>Start und Ende des Bildschirmschoners protokollieren</translation>
    </message>
    <message>
        <source>Current Screen Saver Status</source>
        <translation>Aktueller Status des Bildschirmschoners</translation>
    </message>
    <message>
        <source>Update Screen Saver Status Automatically</source>
        <translation>Status automatisch aktualisieren</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Wartezeit</translation>
    </message>
    <message>
        <source>Low Power Active</source>
        <translation>Energiesparen aktiv</translation>
    </message>
    <message>
        <source>Low Power TimeOut</source>
        <translation>Wartezeit Energiesparen</translation>
    </message>
    <message>
        <source>Power Off Active</source>
        <translation>Abschalten aktiv</translation>
    </message>
    <message>
        <source>Power Off TimeOut</source>
        <translation>Wartezeit Abschalten</translation>
    </message>
    <message>
        <source>Screen Saver Smart</source>
        <translation>Bildschirmschoner</translation>
    </message>
    <message>
        <source>Log To File</source>
        <translation>In Datei protokollieren</translation>
    </message>
    <message>
        <source>Log To Screen</source>
        <translation>Auf dem Bildschirm protokollieren</translation>
    </message>
    <message>
        <source>Events To Log</source>
        <translation>Zu protokollierende Ereignisse</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>User Logout</source>
        <translation>Abmeldungen</translation>
    </message>
    <message>
        <source>Time Outs</source>
        <translation>Zeitabläufe</translation>
    </message>
    <message>
        <source>Configuration Changes</source>
        <translation>Änderungen der Einstellungen</translation>
    </message>
    <message>
        <source>Time Stamping</source>
        <translation>Zeitstempel</translation>
    </message>
    <message>
        <source>Using:</source>
        <translation>Mit:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time And Date</source>
        <translation>Uhrzeit und Datum</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>3 Minute Warn</source>
        <translation>Warnung 3 Minuten vorher</translation>
    </message>
    <message>
        <source>Bad Shutdown Warning (Helps track bugs in the program)</source>
        <translation>Warnung bei unsauberem Beenden (hilft, Programmfehler zu finden)</translation>
    </message>
    <message>
        <source>Force  Logging into TimeWard before using Windows</source>
        <translation>Anmeldung bei TimeWard vor der Benutzung erzwingen</translation>
    </message>
    <message>
        <source>TimeWard Startup</source>
        <translation>Start von TimeWard</translation>
    </message>
    <message>
        <source>Login Timer</source>
        <translation>Anmelde-Countdown</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Sekunden:</translation>
    </message>
    <message>
        <source>On Time Out:</source>
        <translation>Bei Ablauf:</translation>
    </message>
    <message>
        <source>Exiting Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Disallow TaskMan To Close Program.</source>
        <translation>Beenden durch den Task-Manager verhindern</translation>
    </message>
    <message>
        <source>Disallow Close On Exiting Windows</source>
        <translation>Beenden beim Abmelden verhindern</translation>
    </message>
    <message>
        <source>Refuses to end on SIGTERM or Ctrl+C, the way a task manager ends a program. A power-off or reboot still ends TimeWard in order.</source>
        <translation>Lässt sich nicht durch SIGTERM oder Strg+C beenden, wie ein Task-Manager ein Programm beendet. Beim Ausschalten oder Neustart wird TimeWard trotzdem ordnungsgemäß beendet.</translation>
    </message>
    <message>
        <source>Refuses the end of the desktop session where the session manager lets a program object. A power-off or reboot still ends TimeWard in order.</source>
        <translation>Widerspricht dem Ende der Desktop-Sitzung, wo die Sitzungsverwaltung das zulässt. Beim Ausschalten oder Neustart wird TimeWard trotzdem ordnungsgemäß beendet.</translation>
    </message>
    <message>
        <source>The login window covers the whole screen and stays on top.</source>
        <translation>Das Anmeldefenster füllt den ganzen Bildschirm und bleibt im Vordergrund.</translation>
    </message>
    <message>
        <source>Windows Startup</source>
        <translation>Systemstart</translation>
    </message>
    <message>
        <source>Boot Windows 95 On Startup</source>
        <translation>Windows 95 beim Start laden</translation>
    </message>
    <message>
        <source>2 Second Boot Delay</source>
        <translation>2 Sekunden Startverzögerung</translation>
    </message>
    <message>
        <source>Boot GUI On Startup</source>
        <translation>Grafische Oberfläche beim Start laden</translation>
    </message>
    <message>
        <source>TimeWard Security</source>
        <translation>TimeWard-Sicherheit</translation>
    </message>
    <message>
        <source>Enable Time-Remaining window</source>
        <translation>Fenster „Verbleibende Zeit“ anzeigen</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Time Window</source>
        <translation>Zeitfenster</translation>
    </message>
    <message>
        <source>Changes won&apos;t go into effect until the next time you start TimeWard</source>
        <translation>Änderungen wirken erst beim nächsten Start von TimeWard</translation>
    </message>
    <message>
        <source>While Running</source>
        <translation>Während des Betriebs</translation>
    </message>
    <message>
        <source>On Login Screen</source>
        <translation>Im Anmeldefenster</translation>
    </message>
    <message>
        <source>Windows Security</source>
        <translation>Windows-Sicherheit</translation>
    </message>
    <message>
        <source>Disable &apos;Taskbar&apos; Settings on the &apos;Settings&apos; Menu</source>
        <translation>„Taskleiste“ im Menü „Einstellungen“ sperren</translation>
    </message>
    <message>
        <source>Disable &apos;Settings&apos; Command on Start Menu</source>
        <translation>„Einstellungen“ im Startmenü sperren</translation>
    </message>
    <message>
        <source>Disable &apos;Find&apos; Command on Start Menu</source>
        <translation>„Suchen“ im Startmenü sperren</translation>
    </message>
    <message>
        <source>Disable &apos;Shutdown&apos; Command on Start Menu</source>
        <translation>„Beenden“ im Startmenü sperren</translation>
    </message>
    <message>
        <source>Disable &apos;Run&apos; Command on Start Menu</source>
        <translation>„Ausführen“ im Startmenü sperren</translation>
    </message>
    <message>
        <source>Start Menu Security</source>
        <translation>Startmenü-Sicherheit</translation>
    </message>
    <message>
        <source>Disable these Control Panel applets</source>
        <translation>Diese Systemsteuerungsmodule sperren</translation>
    </message>
    <message>
        <source>System Control Panel</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Control Panel Security</source>
        <translation>Systemsteuerungs-Sicherheit</translation>
    </message>
    <message>
        <source>Disable these options while running</source>
        <translation>Diese Optionen während des Betriebs sperren</translation>
    </message>
    <message>
        <source>Misc Security</source>
        <translation>Weitere Sicherheit</translation>
    </message>
    <message>
        <source>Please enter an integer</source>
        <translation>Bitte geben Sie eine ganze Zahl ein</translation>
    </message>
    <message>
        <source>Please enter a value between 1 and 65</source>
        <translation>Bitte geben Sie einen Wert zwischen 1 und 65 ein</translation>
    </message>
    <message>
        <source>The timer interval must be a number of seconds, for example 1 or 2.5.  Nothing has been saved.</source>
        <translation>Das Zeitgeber-Intervall muss eine Anzahl Sekunden sein, zum Beispiel 1 oder 2.5.  Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Nothing on these pages has an effect on this system. The settings are kept, and saved as they are, because copies of TimeWard on other systems that share this store use them.</source>
        <translation>Nichts auf diesen Seiten wirkt auf diesem System. Die Einstellungen bleiben erhalten und werden unverändert gespeichert, weil TimeWard auf anderen Systemen, die diesen Speicher teilen, sie verwendet.</translation>
    </message>
    <message>
        <source>Other Systems</source>
        <translation>Andere Systeme</translation>
    </message>
    <message>
        <source>Parent&apos;s Page</source>
        <translation>Elternseite</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmPassChange</name>
    <message>
        <source>The password holds characters that cannot be stored.  Please use only letters, digits and the usual signs.</source>
        <translation>Das Passwort enthält Zeichen, die nicht gespeichert werden können.  Bitte verwenden Sie nur Buchstaben, Ziffern und die üblichen Satzzeichen.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>&amp;Old Password:</source>
        <translation>&amp;Altes Passwort:</translation>
    </message>
    <message>
        <source>&amp;New Password:</source>
        <translation>&amp;Neues Passwort:</translation>
    </message>
    <message>
        <source>&amp;Re-Confirm Password:</source>
        <translation>Passwort &amp;wiederholen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Now reconfirm the password in the box below it.</source>
        <translation>Wiederholen Sie jetzt das Passwort im Feld darunter.</translation>
    </message>
    <message>
        <source>Password Incorrect!<byte value="xd"/><byte value="xd"/>In order to continue, you need to enter the<byte value="xd"/>correct password for the user</source>
        <translation>Falsches Passwort!<byte value="xd"/><byte value="xd"/>Um fortzufahren, müssen Sie das<byte value="xd"/>richtige Passwort des Benutzers eingeben</translation>
    </message>
    <message>
        <source>Password Incorrect!</source>
        <translation>Falsches Passwort!</translation>
    </message>
    <message>
        <source>The password and the confirmation password are not equal!</source>
        <translation>Passwort und Wiederholung stimmen nicht überein!</translation>
    </message>
    <message>
        <source>Passwords Not Equal!</source>
        <translation>Passwörter verschieden!</translation>
    </message>
    <message>
        <source>Now click back on the User Information tab.</source>
        <translation>Klicken Sie jetzt wieder auf die Registerkarte „Benutzerinformationen“.</translation>
    </message>
    <message>
        <source>Good.  Now click OK.</source>
        <translation>Gut.  Klicken Sie jetzt auf „OK“.</translation>
    </message>
</context>
<context>
    <name>frmPickuser</name>
    <message>
        <source>Please Enter A User Name</source>
        <translation>Bitte geben Sie einen Benutzernamen ein</translation>
    </message>
    <message>
        <source>That User Does Not Exist!</source>
        <translation>Diesen Benutzer gibt es nicht!</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>User %1 does not exist, create new one?</source>
        <translation>Den Benutzer %1 gibt es nicht. Neu anlegen?</translation>
    </message>
    <message>
        <source>User %1 successfully deleted</source>
        <translation>Benutzer %1 wurde gelöscht</translation>
    </message>
    <message>
        <source>Pick User</source>
        <translation>Benutzer wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmSecret</name>
    <message>
        <source>User: %1 Time Left: %2</source>
        <translation>Benutzer: %1 Restzeit: %2</translation>
    </message>
    <message>
        <source>Sorry, but you cannot use the Task Manager to exit this program.</source>
        <translation>Dieses Programm kann leider nicht mit dem Task-Manager beendet werden.</translation>
    </message>
    <message>
        <source>Sorry, but you cannot end the desktop session while this program is running.</source>
        <translation>Die Desktop-Sitzung kann leider nicht beendet werden, solange dieses Programm läuft.</translation>
    </message>
    <message>
        <source>Renews %1 at 0:00</source>
        <translation>Neu %1 um 0:00</translation>
    </message>
    <message>
        <source>Open TimeWard</source>
        <translation>TimeWard öffnen</translation>
    </message>
    <message>
        <source>My Time</source>
        <translation>Meine Zeit</translation>
    </message>
    <message>
        <source>Ask for More Time…</source>
        <translation>Um mehr Zeit bitten…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Abmelden</translation>
    </message>
</context>
<context>
    <name>frmTRWindow</name>
    <message>
        <source>Time Remaining</source>
        <translation>Verbleibende Zeit</translation>
    </message>
</context>
<context>
    <name>frmUS</name>
    <message>
        <source>Are you sure you wish to end this session?</source>
        <translation>Möchten Sie diese Sitzung wirklich beenden?</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Time Allowed:</source>
        <translation>Erlaubte Zeit:</translation>
    </message>
    <message>
        <source>Time Left:</source>
        <translation>Restzeit:</translation>
    </message>
    <message>
        <source>Time Renews:</source>
        <translation>Zeit erneuert:</translation>
    </message>
    <message>
        <source>&amp;End Session</source>
        <translation>Sitzung &amp;beenden</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>–</translation>
    </message>
    <message>
        <source>User Statistics</source>
        <translation>Benutzer-Statistik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>Passwort ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Zeigen</translation>
    </message>
    <message>
        <source>Ask for &amp;More Time…</source>
        <translation>Um &amp;mehr Zeit bitten…</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 um %2 Uhr</translation>
    </message>
</context>
<context>
    <name>frmUserMenu</name>
    <message>
        <source>Edit User Information</source>
        <translation>Benutzerinformationen bearbeiten</translation>
    </message>
    <message>
        <source> User Information</source>
        <translation> Benutzerinformationen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Time Limits</source>
        <translation>Zeitlimits</translation>
    </message>
    <message>
        <source>Login Options</source>
        <translation>Anmeldeoptionen</translation>
    </message>
    <message>
        <source>Time Restrictions</source>
        <translation>Zeitbeschränkungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Parental Rights</source>
        <translation>Elternrechte</translation>
    </message>
    <message>
        <source>User Can Change Password</source>
        <translation>Benutzer darf Passwort ändern</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>User Number:</source>
        <translation>Benutzernummer:</translation>
    </message>
    <message>
        <source>User &amp;Name:</source>
        <translation>Benutzer&amp;name:</translation>
    </message>
    <message>
        <source>Single Passwords</source>
        <translation>Ein Passwort</translation>
    </message>
    <message>
        <source>Multiple Passwords</source>
        <translation>Mehrere Passwörter</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>Passwort ä&amp;ndern</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Next Password: </source>
        <translation>Nächstes Passwort: </translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Zufällig</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>&amp;Erneuern</translation>
    </message>
    <message>
        <source>Set &amp;Next</source>
        <translation>Als &amp;nächstes</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Refresh When Run Out Of Passwords</source>
        <translation>Erneuern, wenn alle Passwörter verbraucht sind</translation>
    </message>
    <message>
        <source>Disable Password After Use</source>
        <translation>Passwort nach Gebrauch sperren</translation>
    </message>
    <message>
        <source>Refresh Time When Start</source>
        <translation>Zeit beim Start erneuern</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>&amp;Based On:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Stunden:</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minuten:</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Sekunden:</translation>
    </message>
    <message>
        <source>One Time:   Delete user after time runs out.</source>
        <translation>Einmalig:   Benutzer nach Ablauf der Zeit löschen.</translation>
    </message>
    <message>
        <source>On Timeout</source>
        <translation>Bei Zeitablauf</translation>
    </message>
    <message>
        <source>Launch Program</source>
        <translation>Programm starten</translation>
    </message>
    <message>
        <source>Display Message</source>
        <translation>Meldung anzeigen</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Now enter the amount in minutes you wish the user to receive in the Minutes box.</source>
        <translation>Geben Sie jetzt im Feld „Minuten“ ein, wie viele Minuten der Benutzer bekommen soll.</translation>
    </message>
    <message>
        <source>Finally, do the same (in seconds) in the seconds box.</source>
        <translation>Zum Schluss dasselbe in Sekunden im Feld „Sekunden“.</translation>
    </message>
    <message>
        <source>On Login:</source>
        <translation>Bei der Anmeldung:</translation>
    </message>
    <message>
        <source>Write Extra Text To Log </source>
        <translation>Zusätzlichen Text ins Protokoll schreiben </translation>
    </message>
    <message>
        <source>Logout User When Program Stops</source>
        <translation>Benutzer abmelden, wenn das Programm endet</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>(The below identifiers are allowed)</source>
        <translation>(Diese Platzhalter sind erlaubt)</translation>
    </message>
    <message>
        <source>Name of user</source>
        <translation>Name des Benutzers</translation>
    </message>
    <message>
        <source>User&apos;s number</source>
        <translation>Nummer des Benutzers</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>User&apos;s free time when he/she logs in</source>
        <translation>Restzeit des Benutzers bei der Anmeldung</translation>
    </message>
    <message>
        <source>User&apos;s total amount of time</source>
        <translation>Gesamtzeit des Benutzers</translation>
    </message>
    <message>
        <source>What their time period is based on</source>
        <translation>Zeitraum des Benutzers</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Eingeschaltet</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Till</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move the selected entry up</source>
        <translation>Ausgewählten Eintrag nach oben schieben</translation>
    </message>
    <message>
        <source>Move the selected entry down</source>
        <translation>Ausgewählten Eintrag nach unten schieben</translation>
    </message>
    <message>
        <source>Times are based on a 24 hour clock!!!</source>
        <translation>Die Zeiten gelten im 24-Stunden-Format!</translation>
    </message>
    <message>
        <source>Please continue by clicking on the time restrictions tab.</source>
        <translation>Klicken Sie jetzt auf die Registerkarte „Zeitbeschränkungen“.</translation>
    </message>
    <message>
        <source>If you wish to type any notes about the user, please do so in the Notes box.  If you wish to continue without doing this, click on the Time Restrictions tab.</source>
        <translation>Notizen zum Benutzer können Sie im Feld „Notizen“ eingeben.  Wenn Sie ohne Notizen weitermachen möchten, klicken Sie auf die Registerkarte „Zeitbeschränkungen“.</translation>
    </message>
    <message>
        <source>Since you have decided to not give this user Unlimited time, you will have to set how much time this user receives.  Click on the Hours box and enter the amount.</source>
        <translation>Da dieser Benutzer keine unbegrenzte Zeit bekommt, müssen Sie festlegen, wie viel Zeit er bekommt.  Klicken Sie in das Feld „Stunden“ und geben Sie die Zahl ein.</translation>
    </message>
    <message>
        <source>Since this user currently has unlimited time, setting this option will have no effect.</source>
        <translation>Da dieser Benutzer zurzeit unbegrenzte Zeit hat, wirkt sich diese Option nicht aus.</translation>
    </message>
    <message>
        <source>Choosing this will power off the computer when the user runs out of time.</source>
        <translation>Damit wird der Computer ausgeschaltet, wenn die Zeit des Benutzers abläuft.</translation>
    </message>
    <message>
        <source>Choosing this will log the user out of the desktop when the user runs out of time.</source>
        <translation>Damit wird der Benutzer vom Desktop abgemeldet, wenn seine Zeit abläuft.</translation>
    </message>
    <message>
        <source>Choosing this will cause the computer to restart when the user runs out of time.</source>
        <translation>Damit wird der Computer neu gestartet, wenn die Zeit des Benutzers abläuft.</translation>
    </message>
    <message>
        <source>Choosing this will display the TimeWard login so another user can log on when the user runs out of time.</source>
        <translation>Damit erscheint die TimeWard-Anmeldung, wenn die Zeit des Benutzers abläuft, damit sich ein anderer Benutzer anmelden kann.</translation>
    </message>
    <message>
        <source>You will next click on Change Password.  You will do this to set up the user&apos;s password so he or she can keep their account private and so no one else can get into their account.  Please try to remember this password.  Click on Change Password now.</source>
        <translation>Als Nächstes klicken Sie auf „Passwort ändern“.  Damit legen Sie das Passwort des Benutzers fest, damit niemand anders sein Konto benutzen kann.  Merken Sie sich das Passwort gut.  Klicken Sie jetzt auf „Passwort ändern“.</translation>
    </message>
    <message>
        <source>You will next put a check mark in the Parent Rights box.  Doing so tells TimeWard that this user can change any of the options that he/she wants, and can add, modify and edit users.  Check the Parent Rights box now.</source>
        <translation>Als Nächstes setzen Sie ein Häkchen bei „Elternrechte“.  Damit darf dieser Benutzer alle Einstellungen ändern und Benutzer anlegen und bearbeiten.  Setzen Sie jetzt das Häkchen bei „Elternrechte“.</translation>
    </message>
    <message>
        <source>It might be wise to give the parent user Unlimited time so that he/she can change any options whenever he or she chooses to do so.  If you select something else and the only Parent Rights user doesn&apos;t have any time left, he/she won&apos;t be able to change any options.  Do this by clicking on the drop-down box named Based On.</source>
        <translation>Es ist ratsam, dem Elternteil unbegrenzte Zeit zu geben, damit er die Einstellungen jederzeit ändern kann.  Wählen Sie etwas anderes und hat der einzige Benutzer mit Elternrechten keine Zeit mehr, kann er keine Einstellungen mehr ändern.  Wählen Sie dazu im Auswahlfeld „Zeitraum“.</translation>
    </message>
    <message>
        <source>Please enter the user name</source>
        <translation>Bitte geben Sie den Benutzernamen ein</translation>
    </message>
    <message>
        <source>Please enter a password</source>
        <translation>Bitte geben Sie ein Passwort ein</translation>
    </message>
    <message>
        <source>Please enter the hour amount</source>
        <translation>Bitte geben Sie die Stunden ein</translation>
    </message>
    <message>
        <source>Please enter the minute amount</source>
        <translation>Bitte geben Sie die Minuten ein</translation>
    </message>
    <message>
        <source>Please enter the second amount</source>
        <translation>Bitte geben Sie die Sekunden ein</translation>
    </message>
    <message>
        <source>Please select time period for user</source>
        <translation>Bitte wählen Sie den Zeitraum des Benutzers</translation>
    </message>
    <message>
        <source>User %1 already exists!</source>
        <translation>Den Benutzer %1 gibt es schon!</translation>
    </message>
    <message>
        <source>Now, please enter the user&apos;s preferred name.  This can be either their complete name, or, if you choose, just a short nick name or something along those lines.  Then press TAB.</source>
        <translation>Geben Sie jetzt den gewünschten Namen des Benutzers ein.  Das kann der vollständige Name sein oder, wenn Sie möchten, ein kurzer Spitzname.  Drücken Sie dann die Tabulatortaste.</translation>
    </message>
    <message>
        <source>Please go back to the User Name box and enter a user name.</source>
        <translation>Bitte gehen Sie zurück in das Feld „Benutzername“ und geben Sie einen Namen ein.</translation>
    </message>
    <message>
        <source>Next, you will click the tab that says Password(s).</source>
        <translation>Klicken Sie als Nächstes auf die Registerkarte „Passwort“.</translation>
    </message>
    <message>
        <source>Please Enter A User Name First</source>
        <translation>Bitte geben Sie zuerst einen Benutzernamen ein</translation>
    </message>
    <message>
        <source>Now you will have to enter this user&apos;s password.  To do so, enter the password in the New Password box.</source>
        <translation>Jetzt geben Sie das Passwort des Benutzers ein, und zwar im Feld „Neues Passwort“.</translation>
    </message>
    <message>
        <source>Please enter an integer</source>
        <translation>Bitte geben Sie eine ganze Zahl ein</translation>
    </message>
    <message>
        <source>Please enter an integer for the length!</source>
        <translation>Bitte geben Sie für die Länge eine ganze Zahl ein!</translation>
    </message>
    <message>
        <source>Please enter an integer for the number of passwords!</source>
        <translation>Bitte geben Sie für die Anzahl der Passwörter eine ganze Zahl ein!</translation>
    </message>
    <message>
        <source>All passwords reset to Unused</source>
        <translation>Alle Passwörter sind wieder unbenutzt</translation>
    </message>
    <message>
        <source>Please select a password</source>
        <translation>Bitte wählen Sie ein Passwort aus</translation>
    </message>
    <message>
        <source>Next password set as: </source>
        <translation>Nächstes Passwort ist jetzt: </translation>
    </message>
    <message>
        <source>A list password cannot contain spaces.</source>
        <translation>Ein Listenpasswort darf keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The password holds characters that cannot be stored.  Please use only letters, digits and the usual signs.</source>
        <translation>Das Passwort enthält Zeichen, die nicht gespeichert werden können.  Bitte verwenden Sie nur Buchstaben, Ziffern und die üblichen Satzzeichen.</translation>
    </message>
    <message>
        <source>Please select a user first</source>
        <translation>Bitte wählen Sie zuerst einen Benutzer aus</translation>
    </message>
    <message>
        <source>User %1 does not exist, create new one?</source>
        <translation>Den Benutzer %1 gibt es nicht. Neu anlegen?</translation>
    </message>
    <message>
        <source>Edit User</source>
        <translation>Benutzer bearbeiten</translation>
    </message>
    <message>
        <source>Now you can configure what happens when a timeout occurs.  Clicking on either Take Action, Display Message, or Play Sound will update this box with further information on the person.  If you&apos;re all set, click OK to add this user.  You will then be all set.</source>
        <translation>Jetzt können Sie festlegen, was bei Zeitablauf passiert.  Wenn Sie auf „Aktion ausführen“, „Meldung anzeigen“ oder „Ton abspielen“ klicken, erscheinen hier weitere Hinweise.  Wenn alles passt, klicken Sie auf „OK“, um den Benutzer anzulegen.  Dann sind Sie fertig.</translation>
    </message>
    <message>
        <source>Please select from the box beside this what you wish to happen when a timeout occurs.  You may click OK to save the user and continue at any time.</source>
        <translation>Wählen Sie im Feld daneben, was bei Zeitablauf passieren soll.  Sie können jederzeit auf „OK“ klicken, um den Benutzer zu speichern.</translation>
    </message>
    <message>
        <source>This will display a message that says what the text box beside this shows.  You can edit that text box.  You may click OK to save the user and continue at any time.</source>
        <translation>Damit wird eine Meldung mit dem Text aus dem Feld daneben angezeigt.  Sie können den Text ändern.  Sie können jederzeit auf „OK“ klicken, um den Benutzer zu speichern.</translation>
    </message>
    <message>
        <source>This will play the specified wave file.  You may either select it by clicking on the ... button beside the box, or you may edit it manually.  You may click OK to save the user and continue at any time.</source>
        <translation>Damit wird die angegebene WAV-Datei abgespielt.  Sie können sie mit der Schaltfläche „...“ neben dem Feld auswählen oder den Pfad selbst eintippen.  Sie können jederzeit auf „OK“ klicken, um den Benutzer zu speichern.</translation>
    </message>
    <message>
        <source>You are all set.  Click on OK to add this user and start TimeWard.</source>
        <translation>Alles fertig.  Klicken Sie auf „OK“, um den Benutzer anzulegen und TimeWard zu starten.</translation>
    </message>
    <message>
        <source>You may click OK to save the user and continue at any time.</source>
        <translation>Sie können jederzeit auf „OK“ klicken, um den Benutzer zu speichern.</translation>
    </message>
    <message>
        <source>Since this user currently has unlimited time, setting this option will have no effect.  You may click OK to save the user and continue at any time.</source>
        <translation>Da dieser Benutzer zurzeit unbegrenzte Zeit hat, wirkt sich diese Option nicht aus.  Sie können jederzeit auf „OK“ klicken, um den Benutzer zu speichern.</translation>
    </message>
    <message>
        <source>The changes to %1 could not be saved: %2. Nothing was changed.</source>
        <translation>Die Änderungen an %1 konnten nicht gespeichert werden: %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The time in From cannot be read.</source>
        <translation>Die Zeit bei „Von“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The time in Till cannot be read.</source>
        <translation>Die Zeit bei „Bis“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>Please type a whole hour, for example 20, 20:00 or 8 pm; 24:00 is the end of the day.</source>
        <translation>Bitte geben Sie eine volle Stunde ein, zum Beispiel 20, 20:00 oder 8 pm; 24:00 ist das Ende des Tages.</translation>
    </message>
    <message>
        <source>Delete %1? Their time, password list and usage history go with them.</source>
        <translation>%1 löschen? Die Zeit, die Passwortliste und der Nutzungsverlauf werden mit gelöscht.</translation>
    </message>
</context>
<context>
    <name>frmWelcome</name>
    <message>
        <source>Welcome to TimeWard</source>
        <translation>Willkommen bei TimeWard</translation>
    </message>
    <message>
        <source>Welcome to TimeWard!

TimeWard decides who may use this computer, when, and for how long.  Every person gets a user name, a password and a time allowance that renews daily, weekly or monthly, or unlimited time.

Since this is the first time TimeWard has been started, you will now set up the first user.  That user will be a parent: he or she can change the options and add, edit and delete the other users.

Click Next to begin.</source>
        <translation>Willkommen bei TimeWard!

TimeWard bestimmt, wer diesen Computer wann und wie lange benutzen darf.  Jede Person bekommt einen Benutzernamen, ein Passwort und eine Zeit, die täglich, wöchentlich oder monatlich erneuert wird, oder unbegrenzte Zeit.

Da TimeWard zum ersten Mal gestartet wurde, richten Sie jetzt den ersten Benutzer ein.  Dieser Benutzer ist ein Elternteil: Er kann die Einstellungen ändern und die anderen Benutzer anlegen, bearbeiten und löschen.

Klicken Sie auf „Weiter“, um zu beginnen.</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
</context>
</TS>
