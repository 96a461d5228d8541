<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
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
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>Aucune notification pour le moment</translation>
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
    <name>RectSettings</name>
    <message>
        <source>Begin Port</source>
        <translation>Port de départ</translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Nombre de ports</translation>
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
        <source>Version</source>
        <translation type="vanished">Version</translation>
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
</context>
</TS>
