<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ApiExamples</name>
    <message>
        <source>Use a random proxy from any country</source>
        <translation>Zufälligen Proxy aus einem beliebigen Land verwenden</translation>
    </message>
    <message>
        <source>Use a random proxy from the United States</source>
        <translation>Zufälligen Proxy aus den USA verwenden</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork</source>
        <translation>Zufälligen Proxy aus den USA verwenden, Bundesstaat: NewYork</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork, city: New York</source>
        <translation>Zufälligen Proxy aus den USA verwenden, Bundesstaat: NewYork, Stadt: New York</translation>
    </message>
    <message>
        <source>Use a random proxy zip code is 000</source>
        <translation>Zufälligen Proxy mit der Postleitzahl 000 verwenden</translation>
    </message>
    <message>
        <source>Use the proxy of the specified isp operator, such as 000</source>
        <translation>Proxy des angegebenen ISP-Anbieters verwenden, z. B. 000</translation>
    </message>
    <message>
        <source>Use random proxy from port 40010</source>
        <translation>Zufälligen Proxy über Port 40010 verwenden</translation>
    </message>
    <message>
        <source>If you want to use a proxy with a specified IP segment, you can set it like this：</source>
        <translation>Um einen Proxy aus einem bestimmten IP-Segment zu verwenden, stellen Sie es so ein:</translation>
    </message>
    <message>
        <source>Port 40000 uses a US proxy, port 40001 uses a Japanese proxy, and port 40002 uses a UK proxy</source>
        <translation>Port 40000 nutzt einen US-Proxy, Port 40001 einen japanischen Proxy und Port 40002 einen britischen Proxy</translation>
    </message>
    <message>
        <source>If you want different ports to use proxies from different countries, you can set it like this:</source>
        <translation>Damit verschiedene Ports Proxys aus verschiedenen Ländern nutzen, stellen Sie es so ein:</translation>
    </message>
    <message>
        <source>Free the specified port, for example free 40000, 40001, 40002 ports</source>
        <translation>Angegebene Ports freigeben, z. B. die Ports 40000, 40001, 40002</translation>
    </message>
    <message>
        <source>If you want to free the port, you can use the free_port parameter: (Version 1.2.7 and above)</source>
        <translation>Um Ports freizugeben, verwenden Sie den Parameter free_port: (ab Version 1.2.7)</translation>
    </message>
    <message>
        <source>Free all ports</source>
        <translation>Alle Ports freigeben</translation>
    </message>
    <message>
        <source>The starting port is 30,000, and the number of ports is 10. (The quantity limit is 99)</source>
        <translation>Der Startport ist 30000, die Anzahl der Ports ist 10. (Höchstanzahl: 99)</translation>
    </message>
    <message>
        <source>If you want to modify the number and range of the end mouth, you can operate this way. (Version 1.2.9 and above)</source>
        <translation>Um Anzahl und Bereich der Ports zu ändern, gehen Sie so vor. (Ab Version 1.2.9)</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_NUM</source>
        <translation>PARAMETER_ERROR_NUM</translation>
    </message>
    <message>
        <source>num parameter input error, please check</source>
        <translation>Falsche Eingabe für den Parameter num, bitte prüfen</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_IP_TIME</source>
        <translation>PARAMETER_ERROR_IP_TIME</translation>
    </message>
    <message>
        <source>The ip_time parameter is entered incorrectly, please enter 1 or 2 or 3</source>
        <translation>Der Parameter ip_time ist falsch, bitte 1, 2 oder 3 eingeben</translation>
    </message>
    <message>
        <source>Error in initialization parameters:MacAdd</source>
        <translation>Fehler in den Initialisierungsparametern: MacAdd</translation>
    </message>
    <message>
        <source>There is a problem with the client, please restart or reinstall</source>
        <translation>Problem mit dem Client, bitte neu starten oder neu installieren</translation>
    </message>
    <message>
        <source>Please set the allocation port first</source>
        <translation>Bitte zuerst die zuzuweisenden Ports festlegen</translation>
    </message>
    <message>
        <source>No port set</source>
        <translation>Kein Port festgelegt</translation>
    </message>
    <message>
        <source>Up to 10 IP of this type can be extracted at a time</source>
        <translation>Von diesem Typ können höchstens 10 IPs auf einmal abgerufen werden</translation>
    </message>
    <message>
        <source>The number of fetches exceeds the upper limit, and the static plan can fetch up to 10 at a time</source>
        <translation>Die Abrufmenge überschreitet das Limit, der statische Tarif erlaubt höchstens 10 auf einmal</translation>
    </message>
    <message>
        <source>The set port segment does not meet the extraction quantity</source>
        <translation>Der festgelegte Portbereich reicht für die Abrufmenge nicht aus</translation>
    </message>
    <message>
        <source>The number of extractions is too large, exceeding the set port range</source>
        <translation>Die Abrufmenge ist zu groß und überschreitet den festgelegten Portbereich</translation>
    </message>
    <message>
        <source>Port not enabled</source>
        <translation>Port nicht aktiviert</translation>
    </message>
    <message>
        <source>The currently set port is not enabled</source>
        <translation>Der aktuell festgelegte Port ist nicht aktiviert</translation>
    </message>
    <message>
        <source>Insufficient ip balance, please buy first</source>
        <translation>IP-Guthaben reicht nicht aus, bitte zuerst kaufen</translation>
    </message>
    <message>
        <source>Account balance is exhausted, please recharge</source>
        <translation>Kontoguthaben aufgebraucht, bitte aufladen</translation>
    </message>
    <message>
        <source>Failed to get IP, please try again later</source>
        <translation>IP konnte nicht abgerufen werden, bitte später erneut versuchen</translation>
    </message>
    <message>
        <source>The interface request failed, please check the network environment and try again</source>
        <translation>Schnittstellenanfrage fehlgeschlagen, bitte Netzwerk prüfen und erneut versuchen</translation>
    </message>
    <message>
        <source>If the proxy cannot be obtained through the API, the following errors may occur and the reasons:</source>
        <translation>Wenn über die API kein Proxy abgerufen werden kann, können folgende Fehler mit diesen Ursachen auftreten:</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>Ländercode</translation>
    </message>
</context>
<context>
    <name>ApiHistoryListView</name>
    <message>
        <source>BindIP</source>
        <translation>Gebundene IP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesstaat</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>BuyTime</source>
        <translation>Kaufzeit</translation>
    </message>
</context>
<context>
    <name>ApiHistoryPopup</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>ApiParameterModel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>ILLUSTRATE</source>
        <translation>BESCHREIBUNG</translation>
    </message>
    <message>
        <source>Get the number of proxies, ≤200</source>
        <translation>Anzahl der abzurufenden Proxys, ≤200</translation>
    </message>
    <message>
        <source>Country, default is all, </source>
        <translation>Land, Standard: alle, </translation>
    </message>
    <message>
        <source>State, default is all</source>
        <translation>Bundesstaat, Standard: alle</translation>
    </message>
    <message>
        <source>City, default is all</source>
        <translation>Stadt, Standard: alle</translation>
    </message>
    <message>
        <source>Zip, default is all</source>
        <translation>PLZ, Standard: alle</translation>
    </message>
    <message>
        <source>Isp, default is all</source>
        <translation>ISP, Standard: alle</translation>
    </message>
    <message>
        <source>Package Type, default  is Popular Plan
1=Popular Plan, 3= Long Acting ISP Plan</source>
        <translation>Tariftyp, Standard: Beliebter Tarif
1=Beliebter Tarif, 3= Langzeit-ISP-Tarif</translation>
    </message>
    <message>
        <source>Data Format
1=txt, 2=json</source>
        <translation>Datenformat
1=txt, 2=json</translation>
    </message>
    <message>
        <source>Start port, default port is 30000</source>
        <translation>Startport, Standard: 30000</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>ERFORDERLICH</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>Ländercode</translation>
    </message>
</context>
<context>
    <name>BatchDisconnectPopup</name>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>After connection, the mobile device immediately start the proxy</source>
        <translation>Nach dem Verbinden startet das Mobilgerät sofort den Proxy</translation>
    </message>
    <message>
        <source>After disconnection, the mobile device immediately stops the proxy</source>
        <translation>Nach dem Trennen stoppt das Mobilgerät sofort den Proxy</translation>
    </message>
    <message>
        <source>Device selected:</source>
        <translation>Ausgewählte Geräte:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
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
    <name>DisconnectCheck</name>
    <message>
        <source>Click to disconnect</source>
        <translation>Zum Trennen klicken</translation>
    </message>
    <message>
        <source>Click to connect</source>
        <translation>Zum Verbinden klicken</translation>
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
    <name>EquipmentLineModel</name>
    <message>
        <source>Renew</source>
        <translation>Verlängern</translation>
    </message>
</context>
<context>
    <name>EquipmentModel</name>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Einrichten</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>Enter a whole number from 1 to 200</source>
        <translation>Geben Sie eine ganze Zahl von 1 bis 200 ein</translation>
    </message>
    <message>
        <source>Enter one to four numbers from 0 to 255, separated by dots</source>
        <translation>Geben Sie ein bis vier Zahlen von 0 bis 255 ein, durch Punkte getrennt</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535</source>
        <translation>Geben Sie einen Port von 1 bis 65535 ein</translation>
    </message>
    <message>
        <source>This port belongs to the proxy ports</source>
        <translation>Dieser Port gehört zu den Proxy-Ports</translation>
    </message>
    <message>
        <source>Enter whole minutes from 5 to 720</source>
        <translation>Geben Sie ganze Minuten von 5 bis 720 ein</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>Die Datei existiert nicht</translation>
    </message>
    <message>
        <source>Choose a file, not a folder</source>
        <translation>Wählen Sie eine Datei, keinen Ordner</translation>
    </message>
    <message>
        <source>The file is not a program that can run</source>
        <translation>Die Datei ist kein ausführbares Programm</translation>
    </message>
</context>
<context>
    <name>FileDialogDefault</name>
    <message>
        <source>Select Program</source>
        <translation>Programm auswählen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>HeldLinePage</name>
    <message>
        <source>Successfully</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Keine passenden Proxys gefunden.</translation>
    </message>
    <message>
        <source>go to use</source>
        <translation>jetzt nutzen</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Portweiterleitungsliste</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>Proxy-IP</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>Laufzeittyp</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesstaat</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>Kaufzeit</translation>
    </message>
</context>
<context>
    <name>HeldLineRow</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Wahr</translation>
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
        <source>The line list could not be loaded.</source>
        <translation>Die Leitungsliste konnte nicht geladen werden.</translation>
    </message>
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
    <name>LocationFilterBar</name>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Bundesstaat:</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Staat</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Stadt:</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>ISP:</source>
        <translation>ISP:</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>t-mobile</source>
        <translation>t-mobile</translation>
    </message>
    <message>
        <source>Zip:</source>
        <translation>PLZ:</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>91***</source>
        <translation>91***</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Anti-Detect-Browser</translation>
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
    <name>PlanNames</name>
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
        <source>Traffic Plan</source>
        <translation>Traffic-Tarif</translation>
    </message>
</context>
<context>
    <name>PopupBindPort</name>
    <message>
        <source> (Used)</source>
        <translation> (belegt)</translation>
    </message>
    <message>
        <source> (Free)</source>
        <translation> (frei)</translation>
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
    <name>PopupEquipmentLine</name>
    <message>
        <source>Successfully</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Keine passenden Proxys gefunden.</translation>
    </message>
    <message>
        <source>Select Proxy</source>
        <translation>Proxy auswählen</translation>
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
        <source>Static ISP Proxy</source>
        <translation>Statischer ISP-Proxy</translation>
    </message>
    <message>
        <source>Proxy History</source>
        <translation>Proxyverlauf</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesstaat</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Different proxies for different device</source>
        <translation>Unterschiedliche Proxys pro Gerät</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
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
    <name>PopupForwared</name>
    <message>
        <source>Globle connect</source>
        <translation>Globale Verbindung</translation>
    </message>
    <message>
        <source>Program connect</source>
        <translation>Programmverbindung</translation>
    </message>
    <message>
        <source>Forward Port To Proxy</source>
        <translation>Port an Proxy weiterleiten</translation>
    </message>
    <message>
        <source>Forward </source>
        <translation>Weiterleiten </translation>
    </message>
    <message>
        <source>Remove from FavoriteList</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>Add to FavoriteList</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
</context>
<context>
    <name>PopupModel</name>
    <message>
        <source>Tips</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Confirm this operation?</source>
        <translation>Diesen Vorgang bestätigen?</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Deduct IP:</source>
        <translation>Abgezogene IPs:</translation>
    </message>
    <message>
        <source>This port range no longer exists; please choose one again.</source>
        <translation>Dieser Portbereich existiert nicht mehr; bitte wählen Sie einen neuen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Now IP:</source>
        <translation>Aktuelle IP:</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Wird abgerufen</translation>
    </message>
    <message>
        <source>Processing:</source>
        <translation>Verarbeitung:</translation>
    </message>
    <message>
        <source>Extract IP Is Completed</source>
        <translation>IP-Abruf abgeschlossen</translation>
    </message>
    <message>
        <source>Success:</source>
        <translation>Erfolgreich:</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Fehlgeschlagen:</translation>
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
    <message>
        <source>Choose a notice on the left to read it</source>
        <translation>Wählen Sie links eine Mitteilung, um sie zu lesen</translation>
    </message>
</context>
<context>
    <name>PortForwardList</name>
    <message>
        <source>Local IP</source>
        <translation>Lokale IP</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>Gebundene IP</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy Success</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Forward List</source>
        <translation>Weiterleitungsliste</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>The current list is empty</source>
        <translation>Die aktuelle Liste ist leer</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Free All</source>
        <translation>Alle freigeben</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alle kopieren</translation>
    </message>
    <message>
        <source>Free</source>
        <comment>action</comment>
        <translation>Freigeben</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryListView</name>
    <message>
        <source>LocalIp</source>
        <translation>Lokale IP</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>Gebundene IP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesstaat</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryPopup</name>
    <message>
        <source>No proxy used for programs yet</source>
        <translation>Noch kein Proxy für Programme verwendet</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>ProgramMenuPopup</name>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Romove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Go ProxyList</source>
        <translation>Zur Proxyliste</translation>
    </message>
</context>
<context>
    <name>ProgramRect</name>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesstaat</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Add application</source>
        <translation>Anwendung hinzufügen</translation>
    </message>
    <message>
        <source>How to use?</source>
        <translation>Wie funktioniert es?</translation>
    </message>
    <message>
        <source>&quot;Run&quot; starts a program with its proxy variables set to the connected exit; programs that ignore them go out directly.</source>
        <translation>„Starten“ startet ein Programm mit Proxy-Variablen für den verbundenen Ausgang; Programme, die sie ignorieren, verbinden sich direkt.</translation>
    </message>
    <message>
        <source>click &quot;Browse&quot; to select the application</source>
        <translation>Klicken Sie auf „Durchsuchen“, um die Anwendung auszuwählen</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Automatically switch IP:</source>
        <translation>IP automatisch wechseln:</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>Close the program before switching IP</source>
        <translation>Programm vor dem IP-Wechsel schließen</translation>
    </message>
    <message>
        <source>Turn off automatic proxy</source>
        <translation>Automatischen Proxy ausschalten</translation>
    </message>
    <message>
        <source>Turn on automatic proxy</source>
        <translation>Automatischen Proxy einschalten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Custom Proxy History</source>
        <translation>Verlauf benutzerdefinierter Proxys</translation>
    </message>
</context>
<context>
    <name>ProxyLineModel</name>
    <message>
        <source>Renew</source>
        <translation>Verlängern</translation>
    </message>
</context>
<context>
    <name>ProxyListPage</name>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Keine passenden Proxys gefunden.</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>Proxy-IP</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>Ablaufzeit</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesstaat</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Portweiterleitungsliste</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
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
    <name>RectAPISecond</name>
    <message>
        <source>Successfully</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>API Proxy History</source>
        <translation>API-Proxyverlauf</translation>
    </message>
    <message>
        <source>Package Type:  </source>
        <translation>Tariftyp:  </translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Beliebter Tarif</translation>
    </message>
    <message>
        <source>IP Extraction:  </source>
        <translation>IP-Abruf:  </translation>
    </message>
    <message>
        <source>Location:   </source>
        <translation>Standort:   </translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesstaat</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Other:  </source>
        <translation>Sonstiges:  </translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>API Port:   </source>
        <translation>API-Port:   </translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>After modication,please click the [Restart] button</source>
        <translation>Nach der Änderung bitte auf [Neu starten] klicken</translation>
    </message>
    <message>
        <source>API Link:   </source>
        <translation>API-Link:   </translation>
    </message>
    <message>
        <source>Click the Start Proxy button to view the link.</source>
        <translation>Klicken Sie auf „Proxy starten“, um den Link anzuzeigen.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>Tips: In API mode, the number of IPs is deducted when the proxy list is successfully obtained.</source>
        <translation>Hinweis: Im API-Modus wird die IP-Anzahl abgezogen, sobald die Proxyliste erfolgreich abgerufen wurde.</translation>
    </message>
    <message>
        <source>API Parameter Declaration:</source>
        <translation>Beschreibung der API-Parameter:</translation>
    </message>
    <message>
        <source>You can use the parameter like this</source>
        <translation>So können Sie den Parameter verwenden</translation>
    </message>
    <message>
        <source>API Guide</source>
        <translation>API-Anleitung</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Portweiterleitungsliste</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>RectEquimentLine</name>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>Proxy-IP</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>Ablaufzeit</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesstaat</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Keine passenden Proxys gefunden.</translation>
    </message>
</context>
<context>
    <name>RectEquimentLineHistory</name>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>Proxy-IP</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>Laufzeittyp</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesstaat</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>Kaufzeit</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Keine passenden Proxys gefunden.</translation>
    </message>
    <message>
        <source>Proxy history is empty,</source>
        <translation>Der Proxyverlauf ist leer,</translation>
    </message>
</context>
<context>
    <name>RectEquipment</name>
    <message>
        <source>Please select the device that needs to be sited</source>
        <translation>Bitte die einzurichtenden Geräte auswählen</translation>
    </message>
    <message>
        <source>Please select the device that needs to be noted</source>
        <translation>Bitte die Geräte auswählen, die eine Notiz erhalten sollen</translation>
    </message>
    <message>
        <source>Device is binding...</source>
        <translation>Gerät wird gebunden...</translation>
    </message>
    <message>
        <source>Device is disconnecting...</source>
        <translation>Gerät wird getrennt...</translation>
    </message>
    <message>
        <source>Device is connecting...</source>
        <translation>Gerät wird verbunden...</translation>
    </message>
    <message>
        <source>Device is remarking...</source>
        <translation>Notiz wird gespeichert...</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Geräteliste</translation>
    </message>
    <message>
        <source>How to use group control?</source>
        <translation>Wie nutze ich die Gruppensteuerung?</translation>
    </message>
    <message>
        <source>Device Status</source>
        <translation>Gerätestatus</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>Verbindungsstatus</translation>
    </message>
    <message>
        <source>Enter device name to search</source>
        <translation>Gerät suchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>Proxy Ip</source>
        <translation>Proxy-IP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>No devices are currently added</source>
        <translation>Derzeit sind keine Geräte hinzugefügt</translation>
    </message>
    <message>
        <source>No device matching search criteria found.</source>
        <translation>Kein Gerät entspricht den Suchkriterien.</translation>
    </message>
    <message>
        <source>Don&apos;t know how to add a device?</source>
        <translation>Sie wissen nicht, wie man ein Gerät hinzufügt?</translation>
    </message>
    <message>
        <source>View detailed tutorial</source>
        <translation>Ausführliche Anleitung ansehen</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Ausgewählt:</translation>
    </message>
    <message>
        <source>Batch settings</source>
        <translation>Sammeleinstellungen</translation>
    </message>
    <message>
        <source>Batch Connection</source>
        <translation>Sammelverbindung</translation>
    </message>
    <message>
        <source>Please select the device that needs to be connected</source>
        <translation>Bitte die zu verbindenden Geräte auswählen</translation>
    </message>
    <message>
        <source>Batch Disconnection</source>
        <translation>Sammeltrennung</translation>
    </message>
    <message>
        <source>Please select the device that needs to be disconnected</source>
        <translation>Bitte die zu trennenden Geräte auswählen</translation>
    </message>
    <message>
        <source>Batch Notes</source>
        <translation>Sammelnotiz</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>RectFavoriteList</name>
    <message>
        <source>Favouritelist is empty,</source>
        <translation>Die Favoritenliste ist leer,</translation>
    </message>
</context>
<context>
    <name>RectProxyList</name>
    <message>
        <source>There is no Static ISP Proxy,</source>
        <translation>Kein statischer ISP-Proxy vorhanden,</translation>
    </message>
    <message>
        <source>buy now</source>
        <translation>jetzt kaufen</translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port 1-65534</source>
        <translation>Startport 1-65534</translation>
    </message>
    <message>
        <source>Port Number 1-200, Begin Port + Port Number ≤ 65535</source>
        <translation>Anzahl Ports 1-200, Startport + Anzahl Ports ≤ 65535</translation>
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
        <source>Not turned on: a start entry cannot name this program&apos;s folder, or could not be written</source>
        <translation>Nicht eingeschaltet: Ein Starteintrag kann den Ordner dieses Programms nicht nennen oder konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Not turned off: the start entry could not be removed</source>
        <translation>Nicht ausgeschaltet: Der Starteintrag konnte nicht entfernt werden</translation>
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
    <name>RectTodayList</name>
    <message>
        <source>Todaylist is empty,</source>
        <translation>Die heutige Liste ist leer,</translation>
    </message>
</context>
<context>
    <name>RemarkPopup</name>
    <message>
        <source>Remark</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Please enter a remark</source>
        <translation>Bitte eine Notiz eingeben</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>OK</translation>
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
        <source>The new version could not be downloaded.</source>
        <translation>Die neue Version konnte nicht heruntergeladen werden.</translation>
    </message>
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
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
</context>
</TS>
