<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ApiExamples</name>
    <message>
        <source>Use a random proxy from any country</source>
        <translation>Utiliser un proxy aléatoire de n&apos;importe quel pays</translation>
    </message>
    <message>
        <source>Use a random proxy from the United States</source>
        <translation>Utiliser un proxy aléatoire des États-Unis</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork</source>
        <translation>Utiliser un proxy aléatoire des États-Unis, État : NewYork</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork, city: New York</source>
        <translation>Utiliser un proxy aléatoire des États-Unis, État : NewYork, ville : New York</translation>
    </message>
    <message>
        <source>Use a random proxy zip code is 000</source>
        <translation>Utiliser un proxy aléatoire dont le code postal est 000</translation>
    </message>
    <message>
        <source>Use the proxy of the specified isp operator, such as 000</source>
        <translation>Utiliser un proxy de l&apos;opérateur ISP indiqué, par exemple 000</translation>
    </message>
    <message>
        <source>Use random proxy from port 40010</source>
        <translation>Utiliser un proxy aléatoire sur le port 40010</translation>
    </message>
    <message>
        <source>If you want to use a proxy with a specified IP segment, you can set it like this：</source>
        <translation>Pour utiliser un proxy d&apos;un segment IP précis, procédez ainsi :</translation>
    </message>
    <message>
        <source>Port 40000 uses a US proxy, port 40001 uses a Japanese proxy, and port 40002 uses a UK proxy</source>
        <translation>Le port 40000 utilise un proxy américain, le port 40001 un proxy japonais et le port 40002 un proxy britannique</translation>
    </message>
    <message>
        <source>If you want different ports to use proxies from different countries, you can set it like this:</source>
        <translation>Pour que différents ports utilisent des proxys de différents pays, procédez ainsi :</translation>
    </message>
    <message>
        <source>Free the specified port, for example free 40000, 40001, 40002 ports</source>
        <translation>Libérer les ports indiqués, par exemple les ports 40000, 40001, 40002</translation>
    </message>
    <message>
        <source>If you want to free the port, you can use the free_port parameter: (Version 1.2.7 and above)</source>
        <translation>Pour libérer des ports, utilisez le paramètre free_port : (version 1.2.7 et ultérieures)</translation>
    </message>
    <message>
        <source>Free all ports</source>
        <translation>Libérer tous les ports</translation>
    </message>
    <message>
        <source>The starting port is 30,000, and the number of ports is 10. (The quantity limit is 99)</source>
        <translation>Le port de départ est 30000 et le nombre de ports est 10. (Limite : 99)</translation>
    </message>
    <message>
        <source>If you want to modify the number and range of the end mouth, you can operate this way. (Version 1.2.9 and above)</source>
        <translation>Pour modifier le nombre et la plage des ports, procédez ainsi. (Version 1.2.9 et ultérieures)</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_NUM</source>
        <translation>PARAMETER_ERROR_NUM</translation>
    </message>
    <message>
        <source>num parameter input error, please check</source>
        <translation>Valeur du paramètre num incorrecte, veuillez vérifier</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_IP_TIME</source>
        <translation>PARAMETER_ERROR_IP_TIME</translation>
    </message>
    <message>
        <source>The ip_time parameter is entered incorrectly, please enter 1 or 2 or 3</source>
        <translation>Le paramètre ip_time est incorrect, saisissez 1, 2 ou 3</translation>
    </message>
    <message>
        <source>Error in initialization parameters:MacAdd</source>
        <translation>Erreur dans les paramètres d&apos;initialisation : MacAdd</translation>
    </message>
    <message>
        <source>There is a problem with the client, please restart or reinstall</source>
        <translation>Le client rencontre un problème, veuillez le redémarrer ou le réinstaller</translation>
    </message>
    <message>
        <source>Please set the allocation port first</source>
        <translation>Veuillez d&apos;abord définir les ports à attribuer</translation>
    </message>
    <message>
        <source>No port set</source>
        <translation>Aucun port défini</translation>
    </message>
    <message>
        <source>Up to 10 IP of this type can be extracted at a time</source>
        <translation>10 IP maximum de ce type peuvent être extraites à la fois</translation>
    </message>
    <message>
        <source>The number of fetches exceeds the upper limit, and the static plan can fetch up to 10 at a time</source>
        <translation>La quantité dépasse la limite : le forfait statique permet d&apos;en extraire 10 maximum à la fois</translation>
    </message>
    <message>
        <source>The set port segment does not meet the extraction quantity</source>
        <translation>La plage de ports définie ne suffit pas pour la quantité à extraire</translation>
    </message>
    <message>
        <source>The number of extractions is too large, exceeding the set port range</source>
        <translation>Quantité à extraire trop élevée : elle dépasse la plage de ports définie</translation>
    </message>
    <message>
        <source>Port not enabled</source>
        <translation>Port non activé</translation>
    </message>
    <message>
        <source>The currently set port is not enabled</source>
        <translation>Le port actuellement défini n&apos;est pas activé</translation>
    </message>
    <message>
        <source>Insufficient ip balance, please buy first</source>
        <translation>Solde d&apos;IP insuffisant, veuillez d&apos;abord en acheter</translation>
    </message>
    <message>
        <source>Account balance is exhausted, please recharge</source>
        <translation>Le solde du compte est épuisé, veuillez recharger</translation>
    </message>
    <message>
        <source>Failed to get IP, please try again later</source>
        <translation>Impossible d&apos;obtenir une IP, réessayez plus tard</translation>
    </message>
    <message>
        <source>The interface request failed, please check the network environment and try again</source>
        <translation>La requête à l&apos;interface a échoué, vérifiez votre réseau et réessayez</translation>
    </message>
    <message>
        <source>If the proxy cannot be obtained through the API, the following errors may occur and the reasons:</source>
        <translation>Si le proxy ne peut pas être obtenu via l&apos;API, les erreurs suivantes peuvent survenir, avec leurs causes :</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>code pays</translation>
    </message>
</context>
<context>
    <name>ApiHistoryListView</name>
    <message>
        <source>BindIP</source>
        <translation>IP liée</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>BuyTime</source>
        <translation>Date d&apos;achat</translation>
    </message>
</context>
<context>
    <name>ApiHistoryPopup</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>ApiParameterModel</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>ILLUSTRATE</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>Get the number of proxies, ≤200</source>
        <translation>Nombre de proxys à obtenir, ≤200</translation>
    </message>
    <message>
        <source>Country, default is all, </source>
        <translation>Pays, par défaut : tous, </translation>
    </message>
    <message>
        <source>State, default is all</source>
        <translation>État, par défaut : tous</translation>
    </message>
    <message>
        <source>City, default is all</source>
        <translation>Ville, par défaut : toutes</translation>
    </message>
    <message>
        <source>Zip, default is all</source>
        <translation>Code postal, par défaut : tous</translation>
    </message>
    <message>
        <source>Isp, default is all</source>
        <translation>ISP, par défaut : tous</translation>
    </message>
    <message>
        <source>Package Type, default  is Popular Plan
1=Popular Plan, 3= Long Acting ISP Plan</source>
        <translation>Type de forfait, par défaut : Forfait populaire
1=Forfait populaire, 3= Forfait ISP longue durée</translation>
    </message>
    <message>
        <source>Data Format
1=txt, 2=json</source>
        <translation>Format des données
1=txt, 2=json</translation>
    </message>
    <message>
        <source>Start port, default port is 30000</source>
        <translation>Port de départ, par défaut : 30000</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>OBLIGATOIRE</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>code pays</translation>
    </message>
</context>
<context>
    <name>BatchDisconnectPopup</name>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>After connection, the mobile device immediately start the proxy</source>
        <translation>Une fois connecté, l&apos;appareil mobile démarre immédiatement le proxy</translation>
    </message>
    <message>
        <source>After disconnection, the mobile device immediately stops the proxy</source>
        <translation>Une fois déconnecté, l&apos;appareil mobile arrête immédiatement le proxy</translation>
    </message>
    <message>
        <source>Device selected:</source>
        <translation>Appareils sélectionnés :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>CdkPopup</name>
    <message>
        <source>Please input your CDKEY</source>
        <translation>Veuillez saisir votre CDKEY</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Redeem CDKEY</source>
        <translation>Utiliser un CDKEY</translation>
    </message>
    <message>
        <source>Please enter CDKEY</source>
        <translation>Saisissez le CDKEY</translation>
    </message>
    <message>
        <source>How to generate?</source>
        <translation>Comment l&apos;obtenir ?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>ComboBoxApiMeal</name>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
</context>
<context>
    <name>ComboBoxCountry</name>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceCountry</name>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceStatus</name>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
</context>
<context>
    <name>ComboBoxEquipmentCountry</name>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
</context>
<context>
    <name>ComboCategory</name>
    <message>
        <source>Please select</source>
        <translation>Veuillez choisir</translation>
    </message>
</context>
<context>
    <name>ComboLocation</name>
    <message>
        <source>e.g., US</source>
        <translation>ex. : US</translation>
    </message>
</context>
<context>
    <name>DisconnectCheck</name>
    <message>
        <source>Click to disconnect</source>
        <translation>Cliquer pour déconnecter</translation>
    </message>
    <message>
        <source>Click to connect</source>
        <translation>Cliquer pour connecter</translation>
    </message>
</context>
<context>
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
</context>
<context>
    <name>EquipmentLineModel</name>
    <message>
        <source>Renew</source>
        <translation>Renouveler</translation>
    </message>
</context>
<context>
    <name>EquipmentModel</name>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Configurer</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>Enter a whole number from 1 to 200</source>
        <translation>Saisissez un nombre entier de 1 à 200</translation>
    </message>
    <message>
        <source>Enter one to four numbers from 0 to 255, separated by dots</source>
        <translation>Saisissez un à quatre nombres de 0 à 255, séparés par des points</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535</source>
        <translation>Saisissez un port de 1 à 65535</translation>
    </message>
    <message>
        <source>This port belongs to the proxy ports</source>
        <translation>Ce port fait partie des ports de proxy</translation>
    </message>
    <message>
        <source>Enter whole minutes from 5 to 720</source>
        <translation>Saisissez un nombre entier de minutes de 5 à 720</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>Le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>Choose a file, not a folder</source>
        <translation>Choisissez un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>The file is not a program that can run</source>
        <translation>Ce fichier n&apos;est pas un programme exécutable</translation>
    </message>
</context>
<context>
    <name>FileDialogDefault</name>
    <message>
        <source>Select Program</source>
        <translation>Choisir un programme</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>HeldLinePage</name>
    <message>
        <source>Successfully</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Aucun proxy ne correspond aux critères.</translation>
    </message>
    <message>
        <source>go to use</source>
        <translation>utiliser maintenant</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Liste de redirection de ports</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP du proxy</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>Type de durée</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>Date d&apos;achat</translation>
    </message>
</context>
<context>
    <name>HeldLineRow</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
</context>
<context>
    <name>InterfacePost</name>
    <message>
        <source>The line is no longer listed.</source>
        <translation>Cette ligne n&apos;est plus disponible.</translation>
    </message>
    <message>
        <source>The local engine could not be reached.</source>
        <translation>Impossible de joindre le moteur local.</translation>
    </message>
    <message>
        <source>Your data plan is insufficient,please renew.</source>
        <translation>Votre forfait de données est insuffisant, veuillez le renouveler.</translation>
    </message>
    <message>
        <source>Your IP number is insufficient,please renew.</source>
        <translation>Votre nombre d&apos;IP est insuffisant, veuillez renouveler.</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>La liste des programmes est vide, ajoutez d&apos;abord un programme !</translation>
    </message>
</context>
<context>
    <name>InterfaceRecv</name>
    <message>
        <source>The line list could not be loaded.</source>
        <translation>La liste des lignes n&apos;a pas pu être chargée.</translation>
    </message>
    <message>
        <source>Please start BitBrowser first</source>
        <translation>Veuillez d&apos;abord démarrer BitBrowser</translation>
    </message>
    <message>
        <source>The service could not be reached. Please try again.</source>
        <translation>Impossible de joindre le service. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>upload failed</source>
        <translation>échec de l&apos;envoi</translation>
    </message>
    <message>
        <source>Submit failed</source>
        <translation>Échec de l&apos;envoi</translation>
    </message>
    <message>
        <source>Redeem failed</source>
        <translation>Échec de l&apos;utilisation</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your account and try again.</source>
        <translation>Échec de la connexion. Vérifiez votre compte et réessayez.</translation>
    </message>
</context>
<context>
    <name>LocationFilterBar</name>
    <message>
        <source>Country:</source>
        <translation>Pays :</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>ISP:</source>
        <translation>ISP :</translation>
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
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>91***</source>
        <translation>91***</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP :</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Navigateur anti-détection</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Please enter email or username</source>
        <translation>Saisissez votre e-mail ou nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Please enter password</source>
        <translation>Saisissez le mot de passe</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Please enter account or email</source>
        <translation>Saisissez votre compte ou e-mail</translation>
    </message>
    <message>
        <source>Auto Log In</source>
        <translation>Connexion automatique</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Mot de passe oublié ?</translation>
    </message>
    <message>
        <source>Or login with</source>
        <translation>Ou se connecter avec</translation>
    </message>
    <message>
        <source>Not registered yet ?  </source>
        <translation>Pas encore inscrit ?  </translation>
    </message>
    <message>
        <source>Creat an Account</source>
        <translation>Créer un compte</translation>
    </message>
</context>
<context>
    <name>PlanNames</name>
    <message>
        <source>Popular Plan</source>
        <translation>Forfait populaire</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Forfait ISP longue durée</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Proxy ISP statique</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>Forfait au trafic</translation>
    </message>
</context>
<context>
    <name>PopupBindPort</name>
    <message>
        <source> (Used)</source>
        <translation> (utilisé)</translation>
    </message>
    <message>
        <source> (Free)</source>
        <translation> (libre)</translation>
    </message>
</context>
<context>
    <name>PopupBrowser</name>
    <message>
        <source>Unnamed</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>Réussi !</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Navigateur anti-détection</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Anti-detection browser:</source>
        <translation>Navigateur anti-détection :</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutoriel</translation>
    </message>
    <message>
        <source>Browser profiles:</source>
        <translation>Profils du navigateur :</translation>
    </message>
    <message>
        <source>Please get the latest list</source>
        <translation>Veuillez récupérer la dernière liste</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>*The browser list has changed, or this function is used for the first time, please synchronize the latest list</source>
        <translation>*La liste des navigateurs a changé ou cette fonction est utilisée pour la première fois, veuillez synchroniser la dernière liste</translation>
    </message>
    <message>
        <source>Automatically restart the browser when the proxy changes</source>
        <translation>Redémarrer automatiquement le navigateur lorsque le proxy change</translation>
    </message>
    <message>
        <source>Clear Cookies Before Launch</source>
        <translation>Effacer les cookies avant le lancement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save &amp; Close</source>
        <translation>Enregistrer &amp; fermer</translation>
    </message>
</context>
<context>
    <name>PopupEquipmentLine</name>
    <message>
        <source>Successfully</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Aucun proxy ne correspond aux critères.</translation>
    </message>
    <message>
        <source>Select Proxy</source>
        <translation>Choisir un proxy</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Forfait populaire</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Forfait ISP longue durée</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Proxy ISP statique</translation>
    </message>
    <message>
        <source>Proxy History</source>
        <translation>Historique des proxys</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Different proxies for different device</source>
        <translation>Proxys différents par appareil</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
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
        <translation>Veuillez choisir une catégorie</translation>
    </message>
    <message>
        <source>Please input your email</source>
        <translation>Veuillez saisir votre e-mail</translation>
    </message>
    <message>
        <source>Please input your problem</source>
        <translation>Veuillez décrire votre problème</translation>
    </message>
    <message>
        <source>Thanks! We have received your feedback.</source>
        <translation>Merci ! Nous avons bien reçu votre avis.</translation>
    </message>
    <message>
        <source>Select Picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Fill in the fields bellow and one of our support agents will personally get back to you very soon.</source>
        <translation>Remplissez les champs ci-dessous et l&apos;un de nos agents d&apos;assistance vous répondra personnellement très bientôt.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Your email</source>
        <translation>Votre e-mail</translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation>Saisissez votre e-mail</translation>
    </message>
    <message>
        <source>What&apos;s the problem?</source>
        <translation>Quel est le problème ?</translation>
    </message>
    <message>
        <source>Describe your problem</source>
        <translation>Décrivez votre problème</translation>
    </message>
    <message>
        <source>Add picture(Upload up to 3)</source>
        <translation>Ajouter une image (3 maximum)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>PopupForwared</name>
    <message>
        <source>Globle connect</source>
        <translation>Connexion globale</translation>
    </message>
    <message>
        <source>Program connect</source>
        <translation>Connexion par programme</translation>
    </message>
    <message>
        <source>Forward Port To Proxy</source>
        <translation>Rediriger le port vers le proxy</translation>
    </message>
    <message>
        <source>Forward </source>
        <translation>Rediriger </translation>
    </message>
    <message>
        <source>Remove from FavoriteList</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>Add to FavoriteList</source>
        <translation>Ajouter aux favoris</translation>
    </message>
</context>
<context>
    <name>PopupModel</name>
    <message>
        <source>Tips</source>
        <translation>Conseils</translation>
    </message>
    <message>
        <source>Confirm this operation?</source>
        <translation>Confirmer cette opération ?</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Deduct IP:</source>
        <translation>IP déduites :</translation>
    </message>
    <message>
        <source>This port range no longer exists; please choose one again.</source>
        <translation>Cette plage de ports n&apos;existe plus ; veuillez en choisir une autre.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Now IP:</source>
        <translation>IP actuelle :</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Extraction en cours</translation>
    </message>
    <message>
        <source>Processing:</source>
        <translation>Traitement :</translation>
    </message>
    <message>
        <source>Extract IP Is Completed</source>
        <translation>Extraction des IP terminée</translation>
    </message>
    <message>
        <source>Success:</source>
        <translation>Réussis :</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Échoués :</translation>
    </message>
</context>
<context>
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>Aucune notification pour le moment</translation>
    </message>
    <message>
        <source>Choose a notice on the left to read it</source>
        <translation>Choisissez un avis à gauche pour le lire</translation>
    </message>
</context>
<context>
    <name>PortForwardList</name>
    <message>
        <source>Local IP</source>
        <translation>IP locale</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>IP liée</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy Success</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Forward List</source>
        <translation>Liste de redirection</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>The current list is empty</source>
        <translation>La liste actuelle est vide</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Free All</source>
        <translation>Tout libérer</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>Free</source>
        <comment>action</comment>
        <translation>Libérer</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryListView</name>
    <message>
        <source>LocalIp</source>
        <translation>IP locale</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>IP liée</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryPopup</name>
    <message>
        <source>No proxy used for programs yet</source>
        <translation>Aucun proxy utilisé pour les programmes pour l&apos;instant</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>ProgramMenuPopup</name>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Romove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Go ProxyList</source>
        <translation>Aller à la liste des proxys</translation>
    </message>
</context>
<context>
    <name>ProgramRect</name>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Add application</source>
        <translation>Ajouter une application</translation>
    </message>
    <message>
        <source>How to use?</source>
        <translation>Comment l&apos;utiliser ?</translation>
    </message>
    <message>
        <source>&quot;Run&quot; starts a program with its proxy variables set to the connected exit; programs that ignore them go out directly.</source>
        <translation>« Lancer » démarre un programme avec ses variables de proxy réglées sur la sortie connectée ; les programmes qui les ignorent se connectent directement.</translation>
    </message>
    <message>
        <source>click &quot;Browse&quot; to select the application</source>
        <translation>cliquez sur « Parcourir » pour choisir l&apos;application</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Automatically switch IP:</source>
        <translation>Changer d&apos;IP automatiquement :</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/min</translation>
    </message>
    <message>
        <source>Close the program before switching IP</source>
        <translation>Fermer le programme avant de changer d&apos;IP</translation>
    </message>
    <message>
        <source>Turn off automatic proxy</source>
        <translation>Désactiver le proxy automatique</translation>
    </message>
    <message>
        <source>Turn on automatic proxy</source>
        <translation>Activer le proxy automatique</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Custom Proxy History</source>
        <translation>Historique des proxys personnalisés</translation>
    </message>
</context>
<context>
    <name>ProxyLineModel</name>
    <message>
        <source>Renew</source>
        <translation>Renouveler</translation>
    </message>
</context>
<context>
    <name>ProxyListPage</name>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Aucun proxy ne correspond aux critères.</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP du proxy</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>Date d&apos;expiration</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Liste de redirection de ports</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
</context>
<context>
    <name>ProxyManager</name>
    <message>
        <source>No free local port</source>
        <translation>Aucun port local libre</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Connect the program to a proxy first</source>
        <translation>Connectez d&apos;abord le programme à un proxy</translation>
    </message>
    <message>
        <source>This file cannot be run</source>
        <translation>Ce fichier ne peut pas être exécuté</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>La liste des programmes est vide, veuillez d&apos;abord ajouter un programme !</translation>
    </message>
</context>
<context>
    <name>RadioMealBase</name>
    <message>
        <source>IPs</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Recharge</source>
        <translation>Recharger</translation>
    </message>
</context>
<context>
    <name>RectAPISecond</name>
    <message>
        <source>Successfully</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>API Proxy History</source>
        <translation>Historique des proxys API</translation>
    </message>
    <message>
        <source>Package Type:  </source>
        <translation>Type de forfait :  </translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Forfait populaire</translation>
    </message>
    <message>
        <source>IP Extraction:  </source>
        <translation>Extraction d&apos;IP :  </translation>
    </message>
    <message>
        <source>Location:   </source>
        <translation>Emplacement :   </translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Other:  </source>
        <translation>Autre :  </translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>API Port:   </source>
        <translation>Port API :   </translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>After modication,please click the [Restart] button</source>
        <translation>Après modification, cliquez sur le bouton [Redémarrer]</translation>
    </message>
    <message>
        <source>API Link:   </source>
        <translation>Lien API :   </translation>
    </message>
    <message>
        <source>Click the Start Proxy button to view the link.</source>
        <translation>Cliquez sur le bouton Démarrer le proxy pour afficher le lien.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Ouvrir le lien</translation>
    </message>
    <message>
        <source>Tips: In API mode, the number of IPs is deducted when the proxy list is successfully obtained.</source>
        <translation>Conseil : en mode API, le nombre d&apos;IP est déduit dès que la liste des proxys est obtenue.</translation>
    </message>
    <message>
        <source>API Parameter Declaration:</source>
        <translation>Description des paramètres API :</translation>
    </message>
    <message>
        <source>You can use the parameter like this</source>
        <translation>Vous pouvez utiliser le paramètre ainsi</translation>
    </message>
    <message>
        <source>API Guide</source>
        <translation>Guide API</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Liste de redirection de ports</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
</context>
<context>
    <name>RectEquimentLine</name>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP du proxy</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>Date d&apos;expiration</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Aucun proxy ne correspond aux critères.</translation>
    </message>
</context>
<context>
    <name>RectEquimentLineHistory</name>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP du proxy</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>Type de durée</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>Date d&apos;achat</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Aucun proxy ne correspond aux critères.</translation>
    </message>
    <message>
        <source>Proxy history is empty,</source>
        <translation>L&apos;historique des proxys est vide,</translation>
    </message>
</context>
<context>
    <name>RectEquipment</name>
    <message>
        <source>Please select the device that needs to be sited</source>
        <translation>Veuillez sélectionner les appareils à configurer</translation>
    </message>
    <message>
        <source>Please select the device that needs to be noted</source>
        <translation>Veuillez sélectionner les appareils à annoter</translation>
    </message>
    <message>
        <source>Device is binding...</source>
        <translation>Liaison de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Device is disconnecting...</source>
        <translation>Déconnexion de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Device is connecting...</source>
        <translation>Connexion de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Device is remarking...</source>
        <translation>Ajout de la remarque...</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Liste des appareils</translation>
    </message>
    <message>
        <source>How to use group control?</source>
        <translation>Comment utiliser le contrôle groupé ?</translation>
    </message>
    <message>
        <source>Device Status</source>
        <translation>Statut de l&apos;appareil</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>En ligne</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>Statut de connexion</translation>
    </message>
    <message>
        <source>Enter device name to search</source>
        <translation>Chercher un appareil</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nom de l&apos;appareil</translation>
    </message>
    <message>
        <source>Proxy Ip</source>
        <translation>IP du proxy</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>No devices are currently added</source>
        <translation>Aucun appareil ajouté pour le moment</translation>
    </message>
    <message>
        <source>No device matching search criteria found.</source>
        <translation>Aucun appareil ne correspond aux critères de recherche.</translation>
    </message>
    <message>
        <source>Don&apos;t know how to add a device?</source>
        <translation>Vous ne savez pas comment ajouter un appareil ?</translation>
    </message>
    <message>
        <source>View detailed tutorial</source>
        <translation>Voir le tutoriel détaillé</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Sélectionnés :</translation>
    </message>
    <message>
        <source>Batch settings</source>
        <translation>Configuration groupée</translation>
    </message>
    <message>
        <source>Batch Connection</source>
        <translation>Connexion groupée</translation>
    </message>
    <message>
        <source>Please select the device that needs to be connected</source>
        <translation>Veuillez sélectionner les appareils à connecter</translation>
    </message>
    <message>
        <source>Batch Disconnection</source>
        <translation>Déconnexion groupée</translation>
    </message>
    <message>
        <source>Please select the device that needs to be disconnected</source>
        <translation>Veuillez sélectionner les appareils à déconnecter</translation>
    </message>
    <message>
        <source>Batch Notes</source>
        <translation>Remarques groupées</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
</context>
<context>
    <name>RectFavoriteList</name>
    <message>
        <source>Favouritelist is empty,</source>
        <translation>La liste des favoris est vide,</translation>
    </message>
</context>
<context>
    <name>RectProxyList</name>
    <message>
        <source>There is no Static ISP Proxy,</source>
        <translation>Aucun proxy ISP statique,</translation>
    </message>
    <message>
        <source>buy now</source>
        <translation>acheter maintenant</translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port 1-65534</source>
        <translation>Port de départ 1-65534</translation>
    </message>
    <message>
        <source>Port Number 1-200, Begin Port + Port Number ≤ 65535</source>
        <translation>Nombre de ports 1-200, Port de départ + Nombre de ports ≤ 65535</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non enregistré : %1</translation>
    </message>
    <message>
        <source>Not turned on: a start entry cannot name this program&apos;s folder, or could not be written</source>
        <translation>Non activé : une entrée de démarrage ne peut pas nommer le dossier de ce programme, ou n&apos;a pas pu être écrite</translation>
    </message>
    <message>
        <source>Not turned off: the start entry could not be removed</source>
        <translation>Non désactivé : l&apos;entrée de démarrage n&apos;a pas pu être supprimée</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Paramètres généraux</translation>
    </message>
    <message>
        <source>Begin Port:</source>
        <translation>Port de départ :</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Nombre de ports :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Do not remove duplicate Proxies</source>
        <translation>Ne pas supprimer les proxys en double</translation>
    </message>
    <message>
        <source>Purchased proxies may appear when refreshing the ProxyList</source>
        <translation>Les proxys achetés peuvent réapparaître lors de l&apos;actualisation de la liste des proxys</translation>
    </message>
    <message>
        <source>Remove duplicate proxies,No duplicate proxies will be acquired within</source>
        <translation>Supprimer les proxys en double : aucun proxy en double ne sera obtenu pendant</translation>
    </message>
    <message>
        <source>Once set, purchased proxies will no longer appear when refreshing the ProxyList</source>
        <translation>Une fois activé, les proxys achetés n&apos;apparaîtront plus lors de l&apos;actualisation de la liste des proxys</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Automatically launch Qel Proxy when you turn on your device:</source>
        <translation>Lancer Qel Proxy automatiquement au démarrage de l&apos;appareil :</translation>
    </message>
</context>
<context>
    <name>RectTodayList</name>
    <message>
        <source>Todaylist is empty,</source>
        <translation>La liste du jour est vide,</translation>
    </message>
</context>
<context>
    <name>RemarkPopup</name>
    <message>
        <source>Remark</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Please enter a remark</source>
        <translation>Veuillez saisir une remarque</translation>
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
        <translation>Forfait populaire</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Forfait ISP longue durée</translation>
    </message>
</context>
<context>
    <name>TipsCustomPopup</name>
    <message>
        <source>Tips</source>
        <translation>Conseils</translation>
    </message>
    <message>
        <source>Recharge Now</source>
        <translation>Recharger maintenant</translation>
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
        <translation>La nouvelle version n&apos;a pas pu être téléchargée.</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>New version found V</source>
        <translation>Nouvelle version disponible V</translation>
    </message>
    <message>
        <source>Update anomalies?</source>
        <translation>Problème de mise à jour ?</translation>
    </message>
    <message>
        <source>To the website</source>
        <translation>Aller sur le site</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>This is the latest version!</source>
        <translation>Vous avez la dernière version !</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The client version you are using has been disabled. Please download and install again from the offical website.</source>
        <translation>La version du client que vous utilisez a été désactivée. Veuillez la télécharger et la réinstaller depuis le site officiel.</translation>
    </message>
    <message>
        <source>Go Now</source>
        <translation>Y aller</translation>
    </message>
    <message>
        <source>Updating......</source>
        <translation>Mise à jour......</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Site officiel</translation>
    </message>
    <message>
        <source>The new version was downloaded and saved to:</source>
        <translation>La nouvelle version a été téléchargée et enregistrée dans :</translation>
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
        <translation>Seules les pages web peuvent être ouvertes.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>The proxy has expired and cannot be renewed</source>
        <translation>Le proxy a expiré et ne peut pas être renouvelé</translation>
    </message>
    <message>
        <source>Hello World</source>
        <translation>Bonjour le monde</translation>
    </message>
    <message>
        <source>发送消息</source>
        <translation>Envoyer un message</translation>
    </message>
</context>
<context>
    <name>mainLoader</name>
    <message>
        <source>Function</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Proxy List</source>
        <translation>Liste des proxys</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Proxy ISP statique</translation>
    </message>
    <message>
        <source>Today List</source>
        <translation>Liste du jour</translation>
    </message>
    <message>
        <source>Favorite List</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>API</source>
        <translation>API</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Group Control</source>
        <translation>Contrôle groupé</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>New Version is Online,</source>
        <translation>Nouvelle version disponible,</translation>
    </message>
    <message>
        <source>Update Immediately</source>
        <translation>Mettre à jour maintenant</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Local Proxy:</source>
        <translation>Proxy local :</translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation>IP locale :</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Forfait populaire</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Forfait ISP longue durée</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>Forfait au trafic</translation>
    </message>
    <message>
        <source>Dedicated Static IP</source>
        <translation>IP statique dédiée</translation>
    </message>
    <message>
        <source>Datacenter Proxy</source>
        <translation>Proxy de centre de données</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Code pays</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Please use in non Chinese Mainland environment</source>
        <translation>Veuillez utiliser hors de Chine continentale</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partenaires</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
</context>
</TS>
