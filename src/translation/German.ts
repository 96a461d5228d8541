<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CdkPopup</name>
    <message>
        <source>Please input your CDKEY</source>
        <translation>Bitte geben Sie Ihren CDKEY ein</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Redeem CDKEY</source>
        <translation>CDKEY einlösen</translation>
    </message>
    <message>
        <source>Please enter CDKEY</source>
        <translation>CDKEY eingeben</translation>
    </message>
    <message>
        <source>How to generate?</source>
        <translation>Wie erstellen?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>ComboBoxApiMeal</name>
    <message>
        <source>Popular Plan</source>
        <translation>Beliebter Tarif</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Langzeit-ISP-Tarif</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Statischer ISP-Proxy</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
</context>
<context>
    <name>ComboBoxCountry</name>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceCountry</name>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceStatus</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>ComboBoxEquipmentCountry</name>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
</context>
<context>
    <name>ComboCategory</name>
    <message>
        <source>Please select</source>
        <translation>Bitte wählen</translation>
    </message>
</context>
<context>
    <name>ComboLocation</name>
    <message>
        <source>e.g., US</source>
        <translation>z. B. US</translation>
    </message>
</context>
<context>
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>InterfacePost</name>
    <message>
        <source>The line is no longer listed.</source>
        <translation>Diese Leitung ist nicht mehr verfügbar.</translation>
    </message>
    <message>
        <source>The local engine could not be reached.</source>
        <translation>Die lokale Engine ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Your data plan is insufficient,please renew.</source>
        <translation>Ihr Datenvolumen reicht nicht aus, bitte verlängern Sie.</translation>
    </message>
    <message>
        <source>Your IP number is insufficient,please renew.</source>
        <translation>Ihre IP-Anzahl reicht nicht aus, bitte verlängern Sie.</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>Die Programmliste ist leer, bitte zuerst ein Programm hinzufügen!</translation>
    </message>
</context>
<context>
    <name>InterfaceRecv</name>
    <message>
        <source>Please start BitBrowser first</source>
        <translation>Bitte starten Sie zuerst BitBrowser</translation>
    </message>
    <message>
        <source>The service could not be reached. Please try again.</source>
        <translation>Der Dienst ist nicht erreichbar. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>upload failed</source>
        <translation>Hochladen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Submit failed</source>
        <translation>Senden fehlgeschlagen</translation>
    </message>
    <message>
        <source>Redeem failed</source>
        <translation>Einlösen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your account and try again.</source>
        <translation>Anmeldung fehlgeschlagen. Bitte Konto prüfen und erneut versuchen.</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Please enter email or username</source>
        <translation>E-Mail oder Benutzername eingeben</translation>
    </message>
    <message>
        <source>Please enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Please enter account or email</source>
        <translation>Konto oder E-Mail eingeben</translation>
    </message>
    <message>
        <source>Auto Log In</source>
        <translation>Automatisch anmelden</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Passwort vergessen?</translation>
    </message>
    <message>
        <source>Or login with</source>
        <translation>Oder anmelden mit</translation>
    </message>
    <message>
        <source>Not registered yet ?  </source>
        <translation>Noch nicht registriert?  </translation>
    </message>
    <message>
        <source>Creat an Account</source>
        <translation>Konto erstellen</translation>
    </message>
</context>
<context>
    <name>PopupBrowser</name>
    <message>
        <source>Unnamed</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Anti-Detect-Browser</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Anti-detection browser:</source>
        <translation>Anti-Detect-Browser:</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Browser profiles:</source>
        <translation>Browserprofile:</translation>
    </message>
    <message>
        <source>Please get the latest list</source>
        <translation>Bitte die aktuelle Liste abrufen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>*The browser list has changed, or this function is used for the first time, please synchronize the latest list</source>
        <translation>*Die Browserliste hat sich geändert oder diese Funktion wird zum ersten Mal genutzt, bitte die aktuelle Liste synchronisieren</translation>
    </message>
    <message>
        <source>Automatically restart the browser when the proxy changes</source>
        <translation>Browser bei Proxywechsel automatisch neu starten</translation>
    </message>
    <message>
        <source>Clear Cookies Before Launch</source>
        <translation>Cookies vor dem Start löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save &amp; Close</source>
        <translation>Speichern &amp; schließen</translation>
    </message>
</context>
<context>
    <name>PopupFeedback</name>
    <message>
        <source>Please selete category</source>
        <translation>Bitte Kategorie wählen</translation>
    </message>
    <message>
        <source>Please input your email</source>
        <translation>Bitte E-Mail eingeben</translation>
    </message>
    <message>
        <source>Please input your problem</source>
        <translation>Bitte Problem beschreiben</translation>
    </message>
    <message>
        <source>Thanks! We have received your feedback.</source>
        <translation>Danke! Wir haben Ihr Feedback erhalten.</translation>
    </message>
    <message>
        <source>Select Picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Fill in the fields bellow and one of our support agents will personally get back to you very soon.</source>
        <translation>Füllen Sie die Felder unten aus, und ein Support-Mitarbeiter meldet sich in Kürze persönlich bei Ihnen.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Your email</source>
        <translation>Ihre E-Mail</translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation>E-Mail eingeben</translation>
    </message>
    <message>
        <source>What&apos;s the problem?</source>
        <translation>Was ist das Problem?</translation>
    </message>
    <message>
        <source>Describe your problem</source>
        <translation>Beschreiben Sie Ihr Problem</translation>
    </message>
    <message>
        <source>Add picture(Upload up to 3)</source>
        <translation>Bild hinzufügen (max. 3)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Senden</translation>
    </message>
</context>
<context>
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation>Mitteilungen</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>Noch keine Mitteilungen</translation>
    </message>
</context>
<context>
    <name>ProxyManager</name>
    <message>
        <source>No free local port</source>
        <translation>Kein freier lokaler Port</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Connect the program to a proxy first</source>
        <translation>Verbinden Sie das Programm zuerst mit einem Proxy</translation>
    </message>
    <message>
        <source>This file cannot be run</source>
        <translation>Diese Datei kann nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>Die Programmliste ist leer, bitte fügen Sie zuerst ein Programm hinzu!</translation>
    </message>
</context>
<context>
    <name>RadioMealBase</name>
    <message>
        <source>IPs</source>
        <translation>IPs</translation>
    </message>
    <message>
        <source>Recharge</source>
        <translation>Aufladen</translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port</source>
        <translation>Startport</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Anzahl Ports</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Begin Port:</source>
        <translation>Startport:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Anzahl Ports:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Do not remove duplicate Proxies</source>
        <translation>Doppelte Proxys nicht entfernen</translation>
    </message>
    <message>
        <source>Purchased proxies may appear when refreshing the ProxyList</source>
        <translation>Gekaufte Proxys können beim Aktualisieren der Proxyliste erneut erscheinen</translation>
    </message>
    <message>
        <source>Remove duplicate proxies,No duplicate proxies will be acquired within</source>
        <translation>Doppelte Proxys entfernen: keine doppelten Proxys innerhalb von</translation>
    </message>
    <message>
        <source>Once set, purchased proxies will no longer appear when refreshing the ProxyList</source>
        <translation>Wenn aktiviert, erscheinen gekaufte Proxys beim Aktualisieren der Proxyliste nicht mehr</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Automatically launch Qel Proxy when you turn on your device:</source>
        <translation>Qel Proxy beim Einschalten des Geräts automatisch starten:</translation>
    </message>
</context>
<context>
    <name>SearchManager</name>
    <message>
        <source>Popular Plan</source>
        <translation>Beliebter Tarif</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Langzeit-ISP-Tarif</translation>
    </message>
</context>
<context>
    <name>TipsCustomPopup</name>
    <message>
        <source>Tips</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Recharge Now</source>
        <translation>Jetzt aufladen</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UpdatePopup</name>
    <message>
        <source>Update Prompt</source>
        <translation>Update-Hinweis</translation>
    </message>
    <message>
        <source>New version found V</source>
        <translation>Neue Version gefunden V</translation>
    </message>
    <message>
        <source>Update anomalies?</source>
        <translation>Probleme beim Update?</translation>
    </message>
    <message>
        <source>To the website</source>
        <translation>Zur Website</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>This is the latest version!</source>
        <translation>Dies ist die neueste Version!</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The client version you are using has been disabled. Please download and install again from the offical website.</source>
        <translation>Die verwendete Client-Version wurde deaktiviert. Bitte laden Sie sie erneut von der offiziellen Website herunter und installieren Sie sie.</translation>
    </message>
    <message>
        <source>Go Now</source>
        <translation>Jetzt öffnen</translation>
    </message>
    <message>
        <source>Updating......</source>
        <translation>Wird aktualisiert......</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Offizielle Website</translation>
    </message>
    <message>
        <source>The new version was downloaded and saved to:</source>
        <translation>Die neue Version wurde heruntergeladen und gespeichert unter:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>WebRecv</name>
    <message>
        <source>Only web pages can be opened.</source>
        <translation>Nur Webseiten können geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="vanished">Version</translation>
    </message>
    <message>
        <source>The proxy has expired and cannot be renewed</source>
        <translation>Der Proxy ist abgelaufen und kann nicht verlängert werden</translation>
    </message>
    <message>
        <source>Hello World</source>
        <translation>Hallo Welt</translation>
    </message>
    <message>
        <source>发送消息</source>
        <translation>Nachricht senden</translation>
    </message>
</context>
<context>
    <name>mainLoader</name>
    <message>
        <source>Function</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Proxy List</source>
        <translation>Proxyliste</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Statischer ISP-Proxy</translation>
    </message>
    <message>
        <source>Today List</source>
        <translation>Heutige Liste</translation>
    </message>
    <message>
        <source>Favorite List</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>API</source>
        <translation>API</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Group Control</source>
        <translation>Gruppensteuerung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>New Version is Online,</source>
        <translation>Neue Version verfügbar,</translation>
    </message>
    <message>
        <source>Update Immediately</source>
        <translation>Sofort aktualisieren</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Local Proxy:</source>
        <translation>Lokaler Proxy:</translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation>Lokale IP:</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Beliebter Tarif</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Langzeit-ISP-Tarif</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>Traffic-Tarif</translation>
    </message>
    <message>
        <source>Dedicated Static IP</source>
        <translation>Dedizierte statische IP</translation>
    </message>
    <message>
        <source>Datacenter Proxy</source>
        <translation>Rechenzentrums-Proxy</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Ländercode</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Please use in non Chinese Mainland environment</source>
        <translation>Bitte außerhalb von Festlandchina verwenden</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Mitteilungen</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Abmelden</translation>
    </message>
</context>
</TS>
