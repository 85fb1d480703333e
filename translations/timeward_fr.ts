<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>LoginHours</name>
    <message>
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Interdire</translation>
    </message>
</context>
<context>
    <name>BugReport</name>
    <message>
        <source>Please enter your name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please enter your email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: timeward [/q | /l | -h | --version]</source>
        <translation>Utilisation : timeward [/q | /l | -h | --version]</translation>
    </message>
    <message>
        <source>Without a switch TimeWard starts and shows its login window; when it runs already, the running copy shows its main window.</source>
        <translation>Sans option, TimeWard démarre et affiche sa fenêtre de connexion ; s&apos;il tourne déjà, la copie en cours affiche sa fenêtre principale.</translation>
    </message>
    <message>
        <source>Switches (the whole command line, in any letter case):</source>
        <translation>Options (toute la ligne de commande, majuscules ou minuscules) :</translation>
    </message>
    <message>
        <source>ask the running TimeWard to end</source>
        <translation>demander au TimeWard en cours de se terminer</translation>
    </message>
    <message>
        <source>ask the running TimeWard to log the user out</source>
        <translation>demander au TimeWard en cours de déconnecter l&apos;utilisateur</translation>
    </message>
    <message>
        <source>show this help and end</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation>Variables d&apos;environnement :</translation>
    </message>
    <message>
        <source>the data folder</source>
        <translation>le dossier de données</translation>
    </message>
    <message>
        <source>without TIMEWARD_HOME and a writable /var/lib/timeward, the data folder is XDG_DATA_HOME/timeward (~/.local/share/timeward)</source>
        <translation>sans TIMEWARD_HOME ni /var/lib/timeward accessible en écriture, le dossier de données est XDG_DATA_HOME/timeward (~/.local/share/timeward)</translation>
    </message>
    <message>
        <source>the language of the windows (English, German, French or Spanish)</source>
        <translation>la langue des fenêtres (anglais, allemand, français ou espagnol)</translation>
    </message>
    <message>
        <source>how dates and times are shown</source>
        <translation>la façon d&apos;afficher les dates et les heures</translation>
    </message>
    <message>
        <source>the desktop the windows appear on</source>
        <translation>le bureau où apparaissent les fenêtres</translation>
    </message>
    <message>
        <source>where the update check looks</source>
        <translation>l&apos;adresse du serveur de mises à jour</translation>
    </message>
    <message>
        <source>Data folder: %1</source>
        <translation>Dossier de données : %1</translation>
    </message>
</context>
<context>
    <name>EndActions</name>
    <message>
        <source>Power off the computer</source>
        <translation>Éteindre l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Log out of the desktop</source>
        <translation>Fermer la session du bureau</translation>
    </message>
    <message>
        <source>Restart the computer</source>
        <translation>Redémarrer l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Back to the TimeWard login</source>
        <translation>Retour à l&apos;écran de connexion de TimeWard</translation>
    </message>
</context>
<context>
    <name>ErrorPrompt</name>
    <message>
        <source>Do you want to mail the author on this bug first?  It would really help the debugging process.</source>
        <translation>Voulez-vous d&apos;abord signaler ce bogue à l&apos;auteur ?  Cela aiderait beaucoup à le corriger.</translation>
    </message>
    <message>
        <source>An error occurred!
	Error %1: %2
You may either Abort (exit), Retry or Ignore</source>
        <translation>Une erreur s&apos;est produite !
	Erreur %1 : %2
Vous pouvez abandonner (quitter), réessayer ou ignorer</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>TimeWard Help</source>
        <translation>Aide de TimeWard</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Using Help</source>
        <translation>&amp;Utiliser l&apos;aide</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of a word:</source>
        <translation>&amp;Tapez les premières lettres d&apos;un mot :</translation>
    </message>
</context>
<context>
    <name>LoginMessages</name>
    <message>
        <source>Please select a user first</source>
        <translation>Veuillez d&apos;abord choisir un utilisateur</translation>
    </message>
    <message>
        <source>Please enter a password</source>
        <translation>Veuillez saisir un mot de passe</translation>
    </message>
    <message>
        <source>%1 is not a user</source>
        <translation>%1 n&apos;est pas un utilisateur</translation>
    </message>
    <message>
        <source>Invalid Password!</source>
        <translation>Mot de passe incorrect !</translation>
    </message>
    <message>
        <source>Password already used!</source>
        <translation>Mot de passe déjà utilisé !</translation>
    </message>
    <message>
        <source>User has no time left!</source>
        <translation>Il ne reste plus de temps à cet utilisateur !</translation>
    </message>
    <message>
        <source>User cannot log in at this time!</source>
        <translation>Connexion non autorisée à cette heure-ci !</translation>
    </message>
    <message>
        <source>%1 is not a parent</source>
        <translation>%1 n&apos;est pas un parent</translation>
    </message>
    <message>
        <source>Logins are allowed again at %1.</source>
        <translation>La connexion sera de nouveau possible à %1.</translation>
    </message>
    <message>
        <source>Logins are not allowed at any hour.</source>
        <translation>La connexion n&apos;est autorisée à aucune heure.</translation>
    </message>
    <message>
        <source>TimeWard cannot read its settings store right now, so nobody can log in. Please ask a parent.</source>
        <translation>TimeWard ne peut pas lire ses réglages pour le moment, personne ne peut donc se connecter. Demande à un parent.</translation>
    </message>
</context>
<context>
    <name>ParentPageTab</name>
    <message>
        <source>Parents can see and give time from a phone or another computer at home, in its web browser. Only a parent&apos;s name and password open the page.</source>
        <translation>Les parents peuvent voir et donner du temps depuis un téléphone ou un autre ordinateur de la maison, dans son navigateur. Seuls le nom et le mot de passe d&apos;un parent ouvrent la page.</translation>
    </message>
    <message>
        <source>Serve the &amp;parent&apos;s page on the home network</source>
        <translation>&amp;Proposer la page des parents sur le réseau domestique</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort :</translation>
    </message>
    <message>
        <source>On the phone</source>
        <translation>Sur le téléphone</translation>
    </message>
    <message>
        <source>The page is off.</source>
        <translation>La page est désactivée.</translation>
    </message>
    <message>
        <source>The page could not be opened: %1</source>
        <translation>La page n&apos;a pas pu être ouverte : %1</translation>
    </message>
    <message>
        <source>Type this address in the phone&apos;s browser:</source>
        <translation>Saisissez cette adresse dans le navigateur du téléphone :</translation>
    </message>
    <message>
        <source>The phone warns about the page&apos;s own certificate the first time. Its SHA-256 fingerprint:</source>
        <translation>La première fois, le téléphone signale le certificat propre à la page. Son empreinte SHA-256 :</translation>
    </message>
</context>
<context>
    <name>Periods</name>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>on the %1st</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>on the %1nd</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>on the %1rd</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>on the %1th</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>Your time is not renewed.</source>
        <translation>Votre temps n&apos;est pas renouvelé.</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidien</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>One Time</source>
        <translation>Une seule fois</translation>
    </message>
    <message>
        <source>Your time renews %1 at %2.</source>
        <translation>Votre temps est renouvelé %1 à %2.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Too many wrong passwords. Please wait a minute.</source>
        <translation>Trop de mots de passe erronés. Veuillez patienter une minute.</translation>
    </message>
    <message>
        <source>Too many wrong passwords. Please wait %1 minutes.</source>
        <translation>Trop de mots de passe erronés. Merci d&apos;attendre %1 minutes.</translation>
    </message>
    <message>
        <source>The time of %1 could not be saved: %2. Nothing was changed.</source>
        <translation>Le temps de %1 n&apos;a pas pu être enregistré : %2. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>QtCloseSignals</name>
    <message>
        <source>Saving the current user&apos;s time and lifting the restrictions</source>
        <translation>Enregistrement du temps de l&apos;utilisateur et levée des restrictions</translation>
    </message>
</context>
<context>
    <name>QtHttp</name>
    <message>
        <source>not a valid address: %1</source>
        <translation>adresse non valide : %1</translation>
    </message>
    <message>
        <source>no answer within %1 seconds</source>
        <translation>pas de réponse en %1 secondes</translation>
    </message>
</context>
<context>
    <name>QtModules</name>
    <message>
        <source>%1 is not installed (looked for %2)</source>
        <translation>%1 n&apos;est pas installé (cherché dans %2)</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>TimeWard Log</source>
        <translation>Journal de TimeWard</translation>
    </message>
    <message>
        <source>TimeWard Time Usage</source>
        <translation>Utilisation du temps – TimeWard</translation>
    </message>
    <message>
        <source>TimeWard User Passwords</source>
        <translation>Mots de passe des utilisateurs – TimeWard</translation>
    </message>
    <message>
        <source>TimeWard User Information</source>
        <translation>Informations sur les utilisateurs – TimeWard</translation>
    </message>
    <message>
        <source>TimeWard Weekly Usage</source>
        <translation>Utilisation hebdomadaire – TimeWard</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>The report could not be printed.
%1</source>
        <translation>Le rapport n&apos;a pas pu être imprimé.
%1</translation>
    </message>
    <message>
        <source>Printed %1 at %2</source>
        <translation>Imprimé le %1 à %2</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>Name		Measured By	Time Allowed	Time Available</source>
        <translation>Nom		Période	Temps accordé	Temps disponible</translation>
    </message>
    <message>
        <source>	User Number: </source>
        <translation>	Numéro d&apos;utilisateur : </translation>
    </message>
    <message>
        <source>	Parent Rights?: </source>
        <translation>	Droits parentaux ? : </translation>
    </message>
    <message>
        <source>	Time Based On: </source>
        <translation>	Période : </translation>
    </message>
    <message>
        <source>	Time Per Period: </source>
        <translation>	Temps par période : </translation>
    </message>
    <message>
        <source>	Take Action?: </source>
        <translation>	Action ? : </translation>
    </message>
    <message>
        <source>		Action:</source>
        <translation>		Action :</translation>
    </message>
    <message>
        <source>	Display Message?: </source>
        <translation>	Afficher un message ? : </translation>
    </message>
    <message>
        <source>		Text:</source>
        <translation>		Texte :</translation>
    </message>
    <message>
        <source>	Play Sound?: </source>
        <translation>	Jouer un son ? : </translation>
    </message>
    <message>
        <source>		Sound:</source>
        <translation>		Son :</translation>
    </message>
    <message>
        <source>	Free Time: </source>
        <translation>	Temps restant : </translation>
    </message>
    <message>
        <source>User:  </source>
        <translation>Utilisateur :  </translation>
    </message>
    <message>
        <source>Are you sure you wish to print the log?</source>
        <translation>Voulez-vous vraiment imprimer le journal ?</translation>
    </message>
    <message>
        <source>Are you sure you wish to print the time usage?</source>
        <translation>Voulez-vous vraiment imprimer l&apos;utilisation du temps ?</translation>
    </message>
    <message>
        <source>Are you sure you wish to print the user information?</source>
        <translation>Voulez-vous vraiment imprimer les informations sur les utilisateurs ?</translation>
    </message>
    <message>
        <source>Are you sure you wish to print all?</source>
        <translation>Voulez-vous vraiment tout imprimer ?</translation>
    </message>
    <message>
        <source>Are you sure you wish to print all the passwords for this user?</source>
        <translation>Voulez-vous vraiment imprimer tous les mots de passe de cet utilisateur ?</translation>
    </message>
    <message>
        <source>Time used on each of the last %1 days, in hours and minutes.</source>
        <translation>Temps utilisé chacun des %1 derniers jours, en heures et minutes.</translation>
    </message>
    <message>
        <source>Measured By: </source>
        <translation>Période : </translation>
    </message>
    <message>
        <source>Allowance A Day: </source>
        <translation>Temps accordé par jour : </translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>s.o.</translation>
    </message>
    <message>
        <source>Last 7 Days: %1, average %2 a day</source>
        <translation>7 derniers jours : %1, en moyenne %2 par jour</translation>
    </message>
    <message>
        <source> (today)</source>
        <translation> (aujourd&apos;hui)</translation>
    </message>
    <message>
        <source>Are you sure you wish to print the weekly usage?</source>
        <translation>Voulez-vous vraiment imprimer l&apos;utilisation hebdomadaire ?</translation>
    </message>
    <message>
        <source>	Time Restrictions?: </source>
        <translation>	Restrictions horaires ? : </translation>
    </message>
    <message>
        <source>		From %1 till %2: %3</source>
        <translation>		De %1 à %2 : %3</translation>
    </message>
    <message>
        <source>No printer is installed, so the report was saved as a PDF file:
%1</source>
        <translation>Aucune imprimante n&apos;est installée, le rapport a donc été enregistré en PDF :
%1</translation>
    </message>
    <message>
        <source>No printer is installed, so the reports were saved as PDF files:
%1</source>
        <translation>Aucune imprimante n&apos;est installée, les rapports ont donc été enregistrés en PDF :
%1</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Afficher dans le &amp;dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No program of the desktop could open %1.</source>
        <translation>Aucun programme du bureau n&apos;a pu ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>Requests</name>
    <message>
        <source>the settings store refused the change</source>
        <translation>l&apos;enregistrement des réglages a refusé la modification</translation>
    </message>
    <message>
        <source>Nobody is logged in.</source>
        <translation>Personne n&apos;est connecté.</translation>
    </message>
    <message>
        <source>A parent can give time in the main window.</source>
        <translation>Un parent peut donner du temps dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Your time is unlimited.</source>
        <translation>Ton temps est illimité.</translation>
    </message>
    <message>
        <source>Please choose 5, 15 or 30 minutes.</source>
        <translation>Choisis 5, 15 ou 30 minutes.</translation>
    </message>
    <message>
        <source>You have already asked for more time. Please wait for a parent&apos;s answer.</source>
        <translation>Tu as déjà demandé plus de temps. Attends la réponse d&apos;un parent.</translation>
    </message>
    <message>
        <source>You have just asked. You can ask again in a minute.</source>
        <translation>Tu viens de demander. Tu pourras redemander dans une minute.</translation>
    </message>
    <message numerus="yes">
        <source>You have just asked. You can ask again in %n minute(s).</source>
        <translation>
            <numerusform>Tu viens de demander. Tu pourras redemander dans %n minute.</numerusform>
            <numerusform>Tu viens de demander. Tu pourras redemander dans %n minutes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your request could not be saved, so no parent can see it. Please ask a parent in person.</source>
        <translation>Ta demande n&apos;a pas pu être enregistrée, aucun parent ne peut donc la voir. Demande directement à un parent.</translation>
    </message>
    <message>
        <source>That request does not exist.</source>
        <translation>Cette demande n&apos;existe pas.</translation>
    </message>
    <message>
        <source>That request has been answered or closed already.</source>
        <translation>Cette demande a déjà reçu une réponse ou a été fermée.</translation>
    </message>
    <message>
        <source>Please give from 1 to %1 minutes.</source>
        <translation>Donnez entre 1 et %1 minutes.</translation>
    </message>
    <message>
        <source>User %1 no longer exists.</source>
        <translation>L&apos;utilisateur %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The answer could not be saved, and nothing was changed:</source>
        <translation>La réponse n&apos;a pas pu être enregistrée, rien n&apos;a été modifié :</translation>
    </message>
    <message>
        <source>A parent</source>
        <translation>Un parent</translation>
    </message>
    <message numerus="yes">
        <source>%1 gave you %n minute(s).</source>
        <translation>
            <numerusform>%1 t&apos;a donné %n minute.</numerusform>
            <numerusform>%1 t&apos;a donné %n minutes.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 said no.</source>
        <translation>%1 a dit non.</translation>
    </message>
</context>
<context>
    <name>RequestsView</name>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Demandé le</translation>
    </message>
    <message>
        <source>&amp;Approve…</source>
        <translation>&amp;Accorder…</translation>
    </message>
    <message>
        <source>&amp;Deny</source>
        <translation>&amp;Refuser</translation>
    </message>
</context>
<context>
    <name>ScreenSaver</name>
    <message>
        <source>True</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>non disponible</translation>
    </message>
</context>
<context>
    <name>SessionClock</name>
    <message>
        <source>You have 3 minutes before you run out of time.  It is recommended to close down any applications you are currently running.</source>
        <translation>Il vous reste 3 minutes.  Il est conseillé de fermer dès maintenant les applications ouvertes.</translation>
    </message>
    <message>
        <source>TimeWard cannot save the time left right now. The time is still counted, and it is saved as soon as the settings store accepts it.</source>
        <translation>TimeWard ne peut pas enregistrer le temps restant pour l&apos;instant. Le temps continue d&apos;être décompté et sera enregistré dès que le stockage des réglages l&apos;acceptera.</translation>
    </message>
    <message>
        <source>Ask for &amp;More Time…</source>
        <translation>Demander plus de te&amp;mps…</translation>
    </message>
</context>
<context>
    <name>StartupRegistration</name>
    <message>
        <source>On this computer both choices start TimeWard when this account&apos;s desktop starts (this account cannot write %1).</source>
        <translation>Sur cet ordinateur, les deux choix lancent TimeWard au démarrage du bureau de ce compte (ce compte ne peut pas écrire dans %1).</translation>
    </message>
    <message>
        <source>Regular starts TimeWard with this account&apos;s desktop; As Service with every account&apos;s desktop. Starting before anyone logs in needs the login screen&apos;s own set-up (see the README).</source>
        <translation>« Normal » lance TimeWard avec le bureau de ce compte ; « Comme service » avec le bureau de chaque compte. Un lancement avant toute connexion se configure dans l&apos;écran de connexion lui-même (voir le README).</translation>
    </message>
</context>
<context>
    <name>TimeFields</name>
    <message>
        <source>Please enter a whole number of hours (0 to %1) in the Hours box.</source>
        <translation>Veuillez saisir un nombre entier d&apos;heures (0 à %1) dans la zone Heures.</translation>
    </message>
    <message>
        <source>Please enter a whole number of minutes (0 to %1) in the Minutes box.</source>
        <translation>Veuillez saisir un nombre entier de minutes (0 à %1) dans la zone Minutes.</translation>
    </message>
    <message>
        <source>Please enter a whole number of seconds (0 to %1) in the Seconds box.</source>
        <translation>Veuillez saisir un nombre entier de secondes (0 à %1) dans la zone Secondes.</translation>
    </message>
</context>
<context>
    <name>TimeOut</name>
    <message>
        <source>You have run out of time.  However, you may choose to have an extra %1 minutes before you have to log off.  You will have this amount taken away from you at the start of the next time period.  Do you wish to have the extra minutes?</source>
        <translation>Votre temps est écoulé.  Vous pouvez cependant obtenir %1 minutes supplémentaires avant de devoir vous déconnecter.  Elles seront déduites au début de la période suivante.  Voulez-vous ces minutes supplémentaires ?</translation>
    </message>
    <message>
        <source>You have run out of time.  However, you may choose to have an extra %1 minutes before you have to log off.  There will be no penalty for doing this.  Do you wish to have the extra minutes?</source>
        <translation>Votre temps est écoulé.  Vous pouvez cependant obtenir %1 minutes supplémentaires avant de devoir vous déconnecter.  Elles ne seront pas déduites.  Voulez-vous ces minutes supplémentaires ?</translation>
    </message>
</context>
<context>
    <name>TimeOutActions</name>
    <message>
        <source>Wav Files (*.wav);;All Files (*)</source>
        <translation>Fichiers WAV (*.wav);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Executables (*.exe *.com *.bat);;All Files (*)</source>
        <translation>Programmes (*.exe *.com *.bat);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open .Wav File</source>
        <translation>Ouvrir un fichier WAV</translation>
    </message>
    <message>
        <source>Open Program</source>
        <translation>Ouvrir un programme</translation>
    </message>
    <message>
        <source>Launch Program</source>
        <translation>Lancer un programme</translation>
    </message>
    <message>
        <source>Take Action</source>
        <translation>Effectuer une action</translation>
    </message>
    <message>
        <source>Display Message</source>
        <translation>Afficher un message</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Jouer un son</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>The update server answered with an error (HTTP %1%2).  Please try again later.</source>
        <translation>Le serveur de mises à jour a répondu par une erreur (HTTP %1%2).  Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Could not reach the update server (%1).  Please check your internet connection and try again.</source>
        <translation>Impossible de joindre le serveur de mises à jour (%1).  Veuillez vérifier votre connexion à Internet et réessayer.</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>The update server sent no version number.  Please try again later.</source>
        <translation>Le serveur de mises à jour n&apos;a envoyé aucun numéro de version.  Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>You have the current version.</source>
        <translation>Vous avez la version actuelle.</translation>
    </message>
    <message>
        <source>A newer version is out (%1).  If you wish to download the update (recommended), please copy the box below and paste it in your favorite browser.</source>
        <translation>Une version plus récente est disponible (%1).  Pour télécharger la mise à jour (recommandé), copiez l&apos;adresse ci-dessous et collez-la dans votre navigateur préféré.</translation>
    </message>
    <message>
        <source>No update server is set, so TimeWard cannot look for a new version.  To use one, start TimeWard with the environment variable TIMEWARD_UPDATE_URL set to the server&apos;s address (for example in the Exec line of its autostart entry); the README says more.</source>
        <translation>Aucun serveur de mises à jour n&apos;est défini, TimeWard ne peut donc pas chercher de nouvelle version.  Pour en utiliser un, démarrez TimeWard avec la variable d&apos;environnement TIMEWARD_UPDATE_URL réglée sur l&apos;adresse du serveur (par exemple dans la ligne Exec de son entrée de démarrage automatique) ; le README en dit plus.</translation>
    </message>
</context>
<context>
    <name>UsageView</name>
    <message>
        <source>No users.</source>
        <translation>Aucun utilisateur.</translation>
    </message>
    <message>
        <source>Time used, last %1 days to %2</source>
        <translation>Temps utilisé, %1 derniers jours jusqu’au %2</translation>
    </message>
    <message>
        <source>— allowance a day</source>
        <translation>— temps accordé par jour</translation>
    </message>
    <message>
        <source>%1
7 days: %2
Average: %3 a day</source>
        <translation>%1
7 jours : %2
Moyenne : %3 par jour</translation>
    </message>
</context>
<context>
    <name>UserTable</name>
    <message>
        <source>At least one user must have parent rights.  And currently none are.  Therefore, this user has to have parent rights.</source>
        <translation>Au moins un utilisateur doit avoir les droits parentaux, et aucun ne les a actuellement.  Cet utilisateur doit donc les avoir.</translation>
    </message>
    <message>
        <source>%1 is the only user with parent rights, so this user has to keep them.  Give another user parent rights first.</source>
        <translation>%1 est le seul utilisateur ayant les droits parentaux et doit donc les garder.  Donnez d&apos;abord les droits parentaux à un autre utilisateur.</translation>
    </message>
    <message>
        <source>%1 is the only user with parent rights and cannot be deleted.  Give another user parent rights first.</source>
        <translation>%1 est le seul utilisateur ayant les droits parentaux et ne peut pas être supprimé.  Donnez d&apos;abord les droits parentaux à un autre utilisateur.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About TimeWard</source>
        <translation>À propos de TimeWard</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Decides who may use this computer, when, and for how long.</source>
        <translation>Décide qui peut utiliser cet ordinateur, quand et pendant combien de temps.</translation>
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
        <translation>Assistant d&apos;ajout d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Welcome to the Add New User Wizard.

This wizard is a simpler and faster way of adding a user than the Classic way.  It offers fewer options: you give the user a name, a password, a time period with its allowance, and say what happens when the time runs out.  Everything else can be edited later in the User Stats.

Click Next to begin, or Classic Mode to use the full user editor.</source>
        <translation>Bienvenue dans l&apos;assistant d&apos;ajout d&apos;utilisateur.

Cet assistant permet d&apos;ajouter un utilisateur plus simplement et plus vite que la méthode classique.  Il propose moins d&apos;options : vous donnez à l&apos;utilisateur un nom, un mot de passe, une période avec son temps accordé, et vous indiquez ce qui se passe quand le temps est écoulé.  Tout le reste pourra être modifié plus tard dans « Statistiques utilisateur ».

Cliquez sur Suivant pour commencer, ou sur Mode classique pour utiliser l&apos;éditeur complet.</translation>
    </message>
    <message>
        <source>Welcome to the Add New User Wizard.

TimeWard needs one user to begin with: a parent user.  A parent user can change TimeWard&apos;s options and can add, edit and delete the other users.  You will log in with this user to set everything else up.

The steps are:
1.)  Get user name
2.)  Set up a password
3.)  Set up optional time restrictions and login options

Click Next to begin.</source>
        <translation>Bienvenue dans l&apos;assistant d&apos;ajout d&apos;utilisateur.

TimeWard a besoin d&apos;un premier utilisateur : un parent.  Un parent peut modifier les options de TimeWard et ajouter, modifier et supprimer les autres utilisateurs.  Vous vous connecterez avec cet utilisateur pour régler tout le reste.

Les étapes sont :
1.)  Choisir le nom d&apos;utilisateur
2.)  Définir un mot de passe
3.)  Régler, si vous le souhaitez, les restrictions horaires et les options de connexion

Cliquez sur Suivant pour commencer.</translation>
    </message>
    <message>
        <source>Now you will need to enter a name and password for your user.  The name can be any name, nickname, handle or whatever you choose, as long as it&apos;s not already taken.</source>
        <translation>Saisissez maintenant un nom et un mot de passe pour cet utilisateur.  Le nom peut être un prénom, un surnom ou ce que vous voulez, tant qu&apos;il n&apos;est pas déjà pris.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Mot de passe</translation>
    </message>
    <message>
        <source>&amp;Re-enter</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>User has Parent Rights</source>
        <translation>L&apos;utilisateur a les droits parentaux</translation>
    </message>
    <message>
        <source>Parent Rights denotes the user has access to the options and access to the user database.</source>
        <translation>Les droits parentaux donnent accès aux options et à la liste des utilisateurs.</translation>
    </message>
    <message>
        <source>User can change password</source>
        <translation>L&apos;utilisateur peut changer son mot de passe</translation>
    </message>
    <message>
        <source>You may either select Daily, Weekly, Monthly or Unlimited for the timing period the user has. </source>
        <translation>Comme période de l&apos;utilisateur, vous pouvez choisir Quotidien, Hebdomadaire, Mensuel ou Illimité. </translation>
    </message>
    <message>
        <source>&amp;Based On:</source>
        <translation>&amp;Période :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Temps accordé :</translation>
    </message>
    <message>
        <source>&amp;Hours:</source>
        <translation>&amp;Heures :</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minutes :</translation>
    </message>
    <message>
        <source>&amp;Seconds:</source>
        <translation>&amp;Secondes :</translation>
    </message>
    <message>
        <source>Below you can select what happens when the user runs out of time.</source>
        <translation>Choisissez ci-dessous ce qui se passe quand le temps de l&apos;utilisateur est écoulé.</translation>
    </message>
    <message>
        <source>Congratulations!  You have set up the new user.

The user has been given the basic settings.  For the advanced options (password lists, login options, time restrictions and more) choose Users | User Stats in the main window.

Select Finished now.</source>
        <translation>Félicitations !  Le nouvel utilisateur est créé.

Il a reçu les réglages de base.  Pour les options avancées (listes de mots de passe, options de connexion, restrictions horaires, etc.), choisissez Utilisateurs | Statistiques utilisateur dans la fenêtre principale.

Choisissez maintenant Terminé.</translation>
    </message>
    <message>
        <source>Congratulations on setting up your new user!

The first user&apos;s settings were set to defaults: parent rights and unlimited time.  Now log in with that user and set up the other users, and check the Preferences to make TimeWard work the way you want.

Click Close to continue.</source>
        <translation>Félicitations, votre nouvel utilisateur est créé !

Le premier utilisateur a reçu les réglages par défaut : droits parentaux et temps illimité.  Connectez-vous maintenant avec cet utilisateur, créez les autres utilisateurs et réglez TimeWard comme vous le souhaitez dans les Préférences.

Cliquez sur Fermer pour continuer.</translation>
    </message>
    <message>
        <source>Classic &amp;Mode</source>
        <translation>&amp;Mode classique</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source> - Step 1: Select A Name</source>
        <translation> – Étape 1 : choisir un nom</translation>
    </message>
    <message>
        <source>Please enter the user name</source>
        <translation>Veuillez saisir le nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>That user name is already taken, please try again</source>
        <translation>Ce nom d&apos;utilisateur est déjà pris, veuillez en choisir un autre</translation>
    </message>
    <message>
        <source>Please enter a password</source>
        <translation>Veuillez saisir un mot de passe</translation>
    </message>
    <message>
        <source>The passwords don&apos;t match!</source>
        <translation>Les mots de passe ne correspondent pas !</translation>
    </message>
    <message>
        <source>The password holds characters that cannot be stored.  Please use only letters, digits and the usual signs.</source>
        <translation>Le mot de passe contient des caractères qui ne peuvent pas être enregistrés.  Veuillez utiliser uniquement des lettres, des chiffres et les signes usuels.</translation>
    </message>
    <message>
        <source> - Finished!</source>
        <translation> – Terminé !</translation>
    </message>
    <message>
        <source> - Step 2: Select Time Restrictions</source>
        <translation> – Étape 2 : choisir le temps accordé</translation>
    </message>
    <message>
        <source> - Step 3: Select Timeout Events</source>
        <translation> – Étape 3 : actions à la fin du temps</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Are you sure you wish to close?

You will not be able to run the program until you finish this step.</source>
        <translation>Voulez-vous vraiment fermer ?

Vous ne pourrez pas utiliser le programme tant que cette étape n&apos;est pas terminée.</translation>
    </message>
    <message>
        <source>Confirm Close</source>
        <translation>Confirmer la fermeture</translation>
    </message>
</context>
<context>
    <name>frmApproveMinutes</name>
    <message>
        <source>Approve</source>
        <translation>Accorder</translation>
    </message>
    <message>
        <source>How many minutes do you give %1?</source>
        <translation>Combien de minutes donnez-vous à %1 ?</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minutes :</translation>
    </message>
    <message>
        <source>&amp;Give</source>
        <translation>&amp;Donner</translation>
    </message>
    <message>
        <source>Please give from 1 to %1 minutes.</source>
        <translation>Donnez entre 1 et %1 minutes.</translation>
    </message>
</context>
<context>
    <name>frmAskMoreTime</name>
    <message>
        <source>Ask for More Time</source>
        <translation>Demander plus de temps</translation>
    </message>
    <message>
        <source>A parent sees your request and answers it. How much more time would you like?</source>
        <translation>Un parent voit ta demande et y répond. Combien de temps en plus voudrais-tu ?</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Raison :</translation>
    </message>
    <message>
        <source>&amp;Ask</source>
        <translation>&amp;Demander</translation>
    </message>
    <message>
        <source>Your request has been sent. You will see the answer here as soon as a parent gives it.</source>
        <translation>Ta demande est envoyée. Tu verras la réponse ici dès qu&apos;un parent l&apos;aura donnée.</translation>
    </message>
</context>
<context>
    <name>frmAskParent</name>
    <message>
        <source>Ask a Parent</source>
        <translation>Demander à un parent</translation>
    </message>
    <message>
        <source>Parent&apos;s &amp;name:</source>
        <translation>&amp;Nom du parent :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minutes :</translation>
    </message>
    <message>
        <source>&amp;Give Time</source>
        <translation>&amp;Donner du temps</translation>
    </message>
    <message>
        <source>A parent can give %1 more time now.</source>
        <translation>Un parent peut maintenant donner plus de temps à %1.</translation>
    </message>
    <message>
        <source>Please choose from 1 to %1 minutes.</source>
        <translation>Veuillez choisir entre 1 et %1 minutes.</translation>
    </message>
    <message>
        <source>The minutes could not be saved: %1. Nothing was given.</source>
        <translation>Les minutes n&apos;ont pas pu être enregistrées : %1. Rien n&apos;a été donné.</translation>
    </message>
</context>
<context>
    <name>frmBadShutdown</name>
    <message>
        <source>Bad Shutdown Detected!</source>
        <translation>Arrêt incorrect détecté !</translation>
    </message>
    <message>
        <source>&amp;Never show this again</source>
        <translation>&amp;Ne plus afficher</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>TimeWard was stopped twice in a row without shutting down properly: the computer was switched off or restarted without shutting down, or TimeWard itself was ended from outside.  A child may have done this to get around the time limit; the activity log shows what happened before.  If you think TimeWard itself went wrong, you can send a report of it.</source>
        <translation>TimeWard a été arrêté deux fois de suite sans être fermé correctement : l&apos;ordinateur a été éteint ou redémarré sans arrêt normal, ou TimeWard lui-même a été arrêté de l&apos;extérieur.  Un enfant a peut-être voulu contourner ainsi la limite de temps ; le journal d&apos;activité montre ce qui s&apos;est passé avant.  Si vous pensez que TimeWard lui-même a eu un problème, vous pouvez envoyer un rapport.</translation>
    </message>
    <message>
        <source>&amp;Report the Problem...</source>
        <translation>&amp;Signaler le problème...</translation>
    </message>
    <message>
        <source>&amp;Show the activity log</source>
        <translation>Afficher le &amp;journal d&apos;activité</translation>
    </message>
</context>
<context>
    <name>frmCheckForUpdate</name>
    <message>
        <source>TimeWard Auto-Updater</source>
        <translation>Mise à jour de TimeWard</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Your Version:</source>
        <translation>Votre version :</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Version actuelle :</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Check For Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnue</translation>
    </message>
    <message>
        <source>Please press Check For Update to see if there&apos;s a new update available.</source>
        <translation>Cliquez sur « Rechercher une mise à jour » pour savoir si une nouvelle version est disponible.</translation>
    </message>
    <message>
        <source>Are you connected to the internet?  You need to be to check if there&apos;s an update.</source>
        <translation>Êtes-vous connecté à Internet ?  Il faut l’être pour rechercher une mise à jour.</translation>
    </message>
    <message>
        <source>Checking for latest version, please stand by...</source>
        <translation>Recherche de la dernière version, veuillez patienter…</translation>
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
        <translation>Assistant d&apos;erreur</translation>
    </message>
    <message>
        <source>The following information will help me with the debugging process.  Please answer the information to the best of your ability.  I will not give out any of this information.</source>
        <translation>Les informations suivantes m&apos;aideront à trouver le bogue.  Veuillez répondre du mieux que vous pouvez.  Je ne communiquerai ces informations à personne.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No!</source>
        <translation>Non !</translation>
    </message>
    <message>
        <source>Here, please type what you were doing at the time, what you did before this happened, any recent configuration changes, or what screen you were on when this happened.</source>
        <translation>Décrivez ici ce que vous faisiez à ce moment-là, ce que vous avez fait juste avant, les changements de configuration récents ou l&apos;écran où vous étiez quand c&apos;est arrivé.</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Email</source>
        <translation>&amp;E-mail</translation>
    </message>
    <message>
        <source>Does the program still function properly even though the error occurs?</source>
        <translation>Le programme fonctionne-t-il encore correctement malgré l’erreur ?</translation>
    </message>
    <message>
        <source>Does the program still function at all?</source>
        <translation>Le programme fonctionne-t-il encore ?</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
</context>
<context>
    <name>frmHelpBox</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>To start off, please click on 
the User Name box.
</source>
        <translation>Pour commencer, cliquez dans
la zone Nom d’utilisateur.
</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>Now Powering Off The Computer...</source>
        <translation>Arrêt de l&apos;ordinateur…</translation>
    </message>
    <message>
        <source>Now Logging Out Of The Desktop...</source>
        <translation>Fermeture de la session du bureau…</translation>
    </message>
    <message>
        <source>Now Re-Booting The Computer...</source>
        <translation>Redémarrage de l&apos;ordinateur…</translation>
    </message>
    <message>
        <source>Time Ward Login</source>
        <translation>Time Ward – Connexion</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Login &amp;Name:</source>
        <translation>&amp;Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Mot de passe :</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>&amp;Ask a parent…</source>
        <translation>&amp;Demander à un parent…</translation>
    </message>
    <message>
        <source>Seconds To Login</source>
        <translation>Secondes pour se connecter</translation>
    </message>
    <message>
        <source>The login timer has run out!</source>
        <translation>Le délai de connexion est écoulé !</translation>
    </message>
    <message>
        <source>Timer Ran Out</source>
        <translation>Délai écoulé</translation>
    </message>
    <message>
        <source>You cannot close this form using Task Manager.</source>
        <translation>Cette fenêtre ne peut pas être fermée avec le gestionnaire des tâches.</translation>
    </message>
    <message>
        <source>This desktop runs on Wayland, where the TimeWard login window cannot hold the keyboard and the mouse: while it is up, other programs can still be used. Time-outs still end the desktop session.

To close the gate, choose the X11 session at the login screen (for example &quot;GNOME on Xorg&quot;) before logging in to the desktop.</source>
        <translation>Ce bureau fonctionne sous Wayland, où la fenêtre de connexion de TimeWard ne peut pas retenir le clavier et la souris : tant qu&apos;elle est ouverte, les autres programmes restent utilisables. À la fin du temps, la session du bureau est quand même fermée.

Pour fermer la barrière, choisissez la session X11 à l&apos;écran de connexion (par exemple &quot;GNOME on Xorg&quot;) avant d&apos;ouvrir la session du bureau.</translation>
    </message>
    <message numerus="yes">
        <source>%1 gave %2 %n minute(s). Press Login to start.</source>
        <translation>
            <numerusform>%1 a donné %n minute à %2. Appuie sur « Se connecter » pour commencer.</numerusform>
            <numerusform>%1 a donné %n minutes à %2. Appuie sur « Se connecter » pour commencer.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMailAuthorBadShutdown</name>
    <message>
        <source>Mailing The Author</source>
        <translation>Écrire à l&apos;auteur</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>To Mail</source>
        <translation>À envoyer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Ok, it&apos;s mailed!</source>
        <translation>&amp;OK, c&apos;est envoyé !</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Ok, now please email that information to %1.  Thanks a lot!</source>
        <translation>Bien, envoyez maintenant ces informations par e-mail à %1.  Merci beaucoup !</translation>
    </message>
    <message>
        <source>Please check it and delete anything you do not want to send.  It holds only the program&apos;s logs and some information about your system.</source>
        <translation>Vérifiez-le et supprimez tout ce que vous ne voulez pas envoyer.  Il ne contient que les journaux du programme et quelques informations sur votre système.</translation>
    </message>
    <message>
        <source>The &quot;To Mail&quot; box below holds a report of what happened.</source>
        <translation>La zone « À envoyer » ci-dessous contient un rapport de ce qui s&apos;est passé.</translation>
    </message>
    <message>
        <source>Then press Save to keep it in a file that you can send to whoever looks after this computer.</source>
        <translation>Appuyez ensuite sur « Enregistrer » pour le garder dans un fichier que vous pourrez envoyer à la personne qui s&apos;occupe de cet ordinateur.</translation>
    </message>
    <message>
        <source>The contents of the &quot;To Mail&quot; box below will be sent to %1.</source>
        <translation>Le contenu de la zone « À envoyer » ci-dessous sera envoyé à %1.</translation>
    </message>
    <message>
        <source>When you are ready, press Copy and mail it, or Save it to a file.</source>
        <translation>Quand vous êtes prêt, appuyez sur « Copier » et envoyez-le, ou enregistrez-le dans un fichier.</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>The report is on the clipboard: paste it into a message to whoever looks after this computer.</source>
        <translation>Le rapport est dans le presse-papiers : collez-le dans un message à la personne qui s&apos;occupe de cet ordinateur.</translation>
    </message>
    <message>
        <source>Save the Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved in %1.</source>
        <translation>Le rapport n&apos;a pas pu être enregistré dans %1.</translation>
    </message>
    <message>
        <source>The report was saved in %1.</source>
        <translation>Le rapport a été enregistré dans %1.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>There is only one user left!  You cannot delete all of the users.</source>
        <translation>Il ne reste qu&apos;un seul utilisateur !  Vous ne pouvez pas supprimer tous les utilisateurs.</translation>
    </message>
    <message>
        <source>Are you sure you wish to exit TimeWard?</source>
        <translation>Voulez-vous vraiment quitter TimeWard ?</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>s.o.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Time Ward</source>
        <translation>Time Ward</translation>
    </message>
    <message>
        <source>User List</source>
        <translation>Liste des utilisateurs</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Parent?</source>
        <translation>Parent ?</translation>
    </message>
    <message>
        <source>Measured By</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Time Allowed</source>
        <translation>Temps accordé</translation>
    </message>
    <message>
        <source>Time Remaining</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>  TimeWard Enabled  </source>
        <translation>  TimeWard activé  </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>TimeWard Disabled</source>
        <translation>TimeWard désactivé</translation>
    </message>
    <message>
        <source>Right-click a user for more choices.</source>
        <translation>Clic droit sur un utilisateur pour plus de choix.</translation>
    </message>
    <message>
        <source>&amp;TimeWard</source>
        <translation>&amp;TimeWard</translation>
    </message>
    <message>
        <source>&amp;Enabled</source>
        <translation>&amp;Activé</translation>
    </message>
    <message>
        <source>&amp;Login New User</source>
        <translation>&amp;Connecter un autre utilisateur</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>&amp;Time Usage</source>
        <translation>&amp;Utilisation du temps</translation>
    </message>
    <message>
        <source>&amp;User List</source>
        <translation>&amp;Liste des utilisateurs</translation>
    </message>
    <message>
        <source>&amp;Everything</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>&amp;Weekly Usage</source>
        <translation>Utilisation &amp;hebdomadaire</translation>
    </message>
    <message>
        <source>&amp;Close Window</source>
        <translation>&amp;Fermer la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Users</source>
        <translation>&amp;Utilisateurs</translation>
    </message>
    <message>
        <source>&amp;Add User</source>
        <translation>&amp;Ajouter un utilisateur</translation>
    </message>
    <message>
        <source>&amp;Modify Time Remaining</source>
        <translation>&amp;Modifier le temps restant</translation>
    </message>
    <message>
        <source>Refresh &amp;Time Period</source>
        <translation>&amp;Renouveler la période</translation>
    </message>
    <message>
        <source>User &amp;Stats</source>
        <translation>&amp;Statistiques utilisateur</translation>
    </message>
    <message>
        <source>&amp;Usage</source>
        <translation>&amp;Utilisation</translation>
    </message>
    <message>
        <source>&amp;Delete User</source>
        <translation>&amp;Supprimer un utilisateur</translation>
    </message>
    <message>
        <source>&amp;Wizards</source>
        <translation>A&amp;ssistants</translation>
    </message>
    <message>
        <source>New &amp;User Wizard</source>
        <translation>Assistant d&apos;ajout d&apos;&amp;utilisateur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>&amp;Rechercher dans l’aide…</translation>
    </message>
    <message>
        <source>&amp;Help On Using Help</source>
        <translation>Utilisation de l&apos;&amp;aide</translation>
    </message>
    <message>
        <source>&amp;About TimeWard</source>
        <translation>&amp;À propos de TimeWard</translation>
    </message>
    <message>
        <source>Check For New &amp;Version</source>
        <translation>Rechercher une nouvelle &amp;version</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Utilisateur</translation>
    </message>
    <message>
        <source>&amp;Edit User</source>
        <translation>&amp;Modifier l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Utilisation</translation>
    </message>
    <message>
        <source>TimeWard Enabled</source>
        <translation>TimeWard activé</translation>
    </message>
    <message>
        <source>Requests</source>
        <translation>Demandes</translation>
    </message>
</context>
<context>
    <name>frmModUserFreeTime</name>
    <message>
        <source>That user has unlimited time!</source>
        <translation>Cet utilisateur a un temps illimité !</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Free &amp;Hours</source>
        <translation>&amp;Heures restantes</translation>
    </message>
    <message>
        <source>Free &amp;Minutes:</source>
        <translation>&amp;Minutes restantes :</translation>
    </message>
    <message>
        <source>Free &amp;Seconds:</source>
        <translation>&amp;Secondes restantes :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Modify User Free Time</source>
        <translation>Modifier le temps restant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Kept for other installations; no effect on this system</source>
        <translation>Conservé pour d&apos;autres installations ; sans effet sur ce système</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>Fichier journal</translation>
    </message>
    <message>
        <source>Log Files (*.log)|*.log|Text Files (*.txt)|*.txt|All Files|*.*</source>
        <translation>Fichiers journaux (*.log)|*.log|Fichiers texte (*.txt)|*.txt|Tous les fichiers|*.*</translation>
    </message>
    <message>
        <source>These options only work on some systems,  usually depending on what version of Windows95 you have (Win95b OSR2 namely *doesn&apos;t* work).  </source>
        <translation>Ces options ne fonctionnent que sur certains systèmes, selon la version de Windows95 (notamment, Win95b OSR2 ne fonctionne *pas*).  </translation>
    </message>
    <message>
        <source>Use these options at your own risk!</source>
        <translation>Utilisez ces options à vos risques et périls !</translation>
    </message>
    <message>
        <source>Disable ScreenSaver</source>
        <translation>Désactiver l&apos;économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>Disable Tray Clock</source>
        <translation>Désactiver l&apos;horloge de la zone de notification</translation>
    </message>
    <message>
        <source>Disable Mouse (Not Recommended)</source>
        <translation>Désactiver la souris (déconseillé)</translation>
    </message>
    <message>
        <source>Disable Desktop</source>
        <translation>Désactiver le bureau</translation>
    </message>
    <message>
        <source>Disable Start Button</source>
        <translation>Désactiver le bouton Démarrer</translation>
    </message>
    <message>
        <source>Disable Icon Tray</source>
        <translation>Désactiver la zone de notification</translation>
    </message>
    <message>
        <source>Disable Taskbar</source>
        <translation>Désactiver la barre des tâches</translation>
    </message>
    <message>
        <source>Disable Task Switching and CTRL-ALT-DEL to End Program</source>
        <translation>Bloquer Alt+Tab et Ctrl+Alt+Suppr (fin de programme)</translation>
    </message>
    <message>
        <source>User can&apos;t Add a Printer</source>
        <translation>L&apos;utilisateur ne peut pas ajouter d&apos;imprimante</translation>
    </message>
    <message>
        <source>User can&apos;t Delete a Printer</source>
        <translation>L&apos;utilisateur ne peut pas supprimer d&apos;imprimante</translation>
    </message>
    <message>
        <source>General &amp;&amp; Details in Printer Properties</source>
        <translation>Général &amp;&amp; Détails dans les propriétés de l&apos;imprimante</translation>
    </message>
    <message>
        <source>User Profiles</source>
        <translation>Profils d&apos;utilisateurs</translation>
    </message>
    <message>
        <source>Remote Administration</source>
        <translation>Administration à distance</translation>
    </message>
    <message>
        <source>Change Passwords</source>
        <translation>Modifier les mots de passe</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Mots de passe</translation>
    </message>
    <message>
        <source>Access Control</source>
        <translation>Contrôle d&apos;accès</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Virtual Memory</source>
        <translation>Mémoire virtuelle</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Système de fichiers</translation>
    </message>
    <message>
        <source>Hardware Profiles</source>
        <translation>Profils matériels</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>Gestionnaire de périphériques</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Screen Saver</source>
        <translation>Économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Drives (Hide all of the drives in My Computer)</source>
        <translation>Lecteurs (masquer tous les lecteurs du Poste de travail)</translation>
    </message>
    <message>
        <source>Entire Network (Hide &apos;Entire Network&apos; from Network Neighborhood)</source>
        <translation>Tout le réseau (masquer « Tout le réseau » du Voisinage réseau)</translation>
    </message>
    <message>
        <source>File Sharing</source>
        <translation>Partage de fichiers</translation>
    </message>
    <message>
        <source>MS-DOS Mode option on Shutdown Menu</source>
        <translation>Mode MS-DOS dans le menu d&apos;arrêt</translation>
    </message>
    <message>
        <source>MS-DOS Programs</source>
        <translation>Programmes MS-DOS</translation>
    </message>
    <message>
        <source>Password Caching</source>
        <translation>Mise en cache des mots de passe</translation>
    </message>
    <message>
        <source>Printer Sharing</source>
        <translation>Partage d&apos;imprimantes</translation>
    </message>
    <message>
        <source>Registry Tools</source>
        <translation>Outils du Registre</translation>
    </message>
    <message>
        <source>Save Settings On Exit</source>
        <translation>Enregistrer les paramètres en quittant</translation>
    </message>
    <message>
        <source>Workgroup Content (Hide computers from your own workgroup from Network Neighborhood)</source>
        <translation>Contenu du groupe de travail (masquer les ordinateurs de votre groupe dans le Voisinage réseau)</translation>
    </message>
    <message>
        <source>Time Ward Preferences</source>
        <translation>Time Ward – Préférences</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenêtres</translation>
    </message>
    <message>
        <source>Auto Center Windows</source>
        <translation>Centrer automatiquement les fenêtres</translation>
    </message>
    <message>
        <source>Save Window Position On Exit</source>
        <translation>Enregistrer la position des fenêtres en quittant</translation>
    </message>
    <message>
        <source>Generosity</source>
        <translation>Générosité</translation>
    </message>
    <message>
        <source>Be Generous</source>
        <translation>Être généreux</translation>
    </message>
    <message>
        <source>Allow for an extra</source>
        <translation>Accorder en plus</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Display Warning Message</source>
        <translation>Afficher un message d&apos;avertissement</translation>
    </message>
    <message>
        <source>Subtract Amount At End</source>
        <translation>Déduire à la fin</translation>
    </message>
    <message>
        <source>Startup And Shutdown</source>
        <translation>Démarrage et arrêt</translation>
    </message>
    <message>
        <source>Load On Startup</source>
        <translation>Lancer au démarrage</translation>
    </message>
    <message>
        <source>Regular (after user logs in)</source>
        <translation>Normal (après la connexion de l&apos;utilisateur)</translation>
    </message>
    <message>
        <source>As Service (before user logs in)</source>
        <translation>Comme service (avant la connexion de l&apos;utilisateur)</translation>
    </message>
    <message>
        <source>Show Splash Screen (About Box)</source>
        <translation>Afficher l&apos;écran d&apos;accueil (À propos)</translation>
    </message>
    <message>
        <source>Compatibility</source>
        <translation>Compatibilité</translation>
    </message>
    <message>
        <source>Timer Interval:</source>
        <translation>Intervalle du minuteur :</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Not working in this version.</source>
        <translation>Ne fonctionne pas dans cette version.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Add Timeout To Time Used</source>
        <translation>Ajouter le délai au temps utilisé</translation>
    </message>
    <message>
        <source>Log Screen Saver Load And Unloads</source>
        <translation>Journaliser le lancement et l&apos;arrêt de l&apos;économiseur</translation>
    </message>
    <message>
        <source>Current Screen Saver Status</source>
        <translation>État actuel de l&apos;économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>Update Screen Saver Status Automatically</source>
        <translation>Mettre à jour l&apos;état automatiquement</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Low Power Active</source>
        <translation>Veille active</translation>
    </message>
    <message>
        <source>Low Power TimeOut</source>
        <translation>Délai de veille</translation>
    </message>
    <message>
        <source>Power Off Active</source>
        <translation>Extinction active</translation>
    </message>
    <message>
        <source>Power Off TimeOut</source>
        <translation>Délai d&apos;extinction</translation>
    </message>
    <message>
        <source>Screen Saver Smart</source>
        <translation>Économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>Log To File</source>
        <translation>Journaliser dans un fichier</translation>
    </message>
    <message>
        <source>Log To Screen</source>
        <translation>Journaliser à l&apos;écran</translation>
    </message>
    <message>
        <source>Events To Log</source>
        <translation>Événements à journaliser</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>User Logout</source>
        <translation>Déconnexions</translation>
    </message>
    <message>
        <source>Time Outs</source>
        <translation>Fins de temps</translation>
    </message>
    <message>
        <source>Configuration Changes</source>
        <translation>Modifications de la configuration</translation>
    </message>
    <message>
        <source>Time Stamping</source>
        <translation>Horodatage</translation>
    </message>
    <message>
        <source>Using:</source>
        <translation>Avec :</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time And Date</source>
        <translation>Heure et date</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>3 Minute Warn</source>
        <translation>Avertir 3 minutes avant</translation>
    </message>
    <message>
        <source>Bad Shutdown Warning (Helps track bugs in the program)</source>
        <translation>Avertir d&apos;un arrêt incorrect (aide à trouver les bogues)</translation>
    </message>
    <message>
        <source>Force  Logging into TimeWard before using Windows</source>
        <translation>Obliger à se connecter à TimeWard avant d&apos;utiliser l&apos;ordinateur</translation>
    </message>
    <message>
        <source>TimeWard Startup</source>
        <translation>Démarrage de TimeWard</translation>
    </message>
    <message>
        <source>Login Timer</source>
        <translation>Délai de connexion</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Secondes :</translation>
    </message>
    <message>
        <source>On Time Out:</source>
        <translation>À l&apos;expiration :</translation>
    </message>
    <message>
        <source>Exiting Program</source>
        <translation>Fermeture du programme</translation>
    </message>
    <message>
        <source>Disallow TaskMan To Close Program.</source>
        <translation>Empêcher le gestionnaire des tâches de fermer le programme</translation>
    </message>
    <message>
        <source>Disallow Close On Exiting Windows</source>
        <translation>Empêcher la fermeture en quittant la session</translation>
    </message>
    <message>
        <source>Refuses to end on SIGTERM or Ctrl+C, the way a task manager ends a program. A power-off or reboot still ends TimeWard in order.</source>
        <translation>Refuse de s&apos;arrêter sur SIGTERM ou Ctrl+C, comme le fait un gestionnaire des tâches. Un arrêt ou un redémarrage de l&apos;ordinateur ferme quand même TimeWard proprement.</translation>
    </message>
    <message>
        <source>Refuses the end of the desktop session where the session manager lets a program object. A power-off or reboot still ends TimeWard in order.</source>
        <translation>Refuse la fin de la session du bureau quand le gestionnaire de session le permet. Un arrêt ou un redémarrage de l&apos;ordinateur ferme quand même TimeWard proprement.</translation>
    </message>
    <message>
        <source>The login window covers the whole screen and stays on top.</source>
        <translation>La fenêtre de connexion couvre tout l&apos;écran et reste au premier plan.</translation>
    </message>
    <message>
        <source>Windows Startup</source>
        <translation>Démarrage du système</translation>
    </message>
    <message>
        <source>Boot Windows 95 On Startup</source>
        <translation>Lancer Windows 95 au démarrage</translation>
    </message>
    <message>
        <source>2 Second Boot Delay</source>
        <translation>Délai de démarrage de 2 secondes</translation>
    </message>
    <message>
        <source>Boot GUI On Startup</source>
        <translation>Lancer l&apos;interface graphique au démarrage</translation>
    </message>
    <message>
        <source>TimeWard Security</source>
        <translation>Sécurité de TimeWard</translation>
    </message>
    <message>
        <source>Enable Time-Remaining window</source>
        <translation>Activer la fenêtre du temps restant</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Time Window</source>
        <translation>Fenêtre du temps</translation>
    </message>
    <message>
        <source>Changes won&apos;t go into effect until the next time you start TimeWard</source>
        <translation>Les modifications ne prendront effet qu’au prochain démarrage de TimeWard</translation>
    </message>
    <message>
        <source>While Running</source>
        <translation>Pendant l&apos;exécution</translation>
    </message>
    <message>
        <source>On Login Screen</source>
        <translation>Sur l&apos;écran de connexion</translation>
    </message>
    <message>
        <source>Windows Security</source>
        <translation>Sécurité Windows</translation>
    </message>
    <message>
        <source>Disable &apos;Taskbar&apos; Settings on the &apos;Settings&apos; Menu</source>
        <translation>Désactiver « Barre des tâches » dans le menu « Paramètres »</translation>
    </message>
    <message>
        <source>Disable &apos;Settings&apos; Command on Start Menu</source>
        <translation>Désactiver la commande « Paramètres » du menu Démarrer</translation>
    </message>
    <message>
        <source>Disable &apos;Find&apos; Command on Start Menu</source>
        <translation>Désactiver la commande « Rechercher » du menu Démarrer</translation>
    </message>
    <message>
        <source>Disable &apos;Shutdown&apos; Command on Start Menu</source>
        <translation>Désactiver la commande « Arrêter » du menu Démarrer</translation>
    </message>
    <message>
        <source>Disable &apos;Run&apos; Command on Start Menu</source>
        <translation>Désactiver la commande « Exécuter » du menu Démarrer</translation>
    </message>
    <message>
        <source>Start Menu Security</source>
        <translation>Sécurité du menu Démarrer</translation>
    </message>
    <message>
        <source>Disable these Control Panel applets</source>
        <translation>Désactiver ces modules du Panneau de configuration</translation>
    </message>
    <message>
        <source>System Control Panel</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
    <message>
        <source>Control Panel Security</source>
        <translation>Sécurité du Panneau de configuration</translation>
    </message>
    <message>
        <source>Disable these options while running</source>
        <translation>Désactiver ces options pendant l&apos;exécution</translation>
    </message>
    <message>
        <source>Misc Security</source>
        <translation>Sécurité diverse</translation>
    </message>
    <message>
        <source>Please enter an integer</source>
        <translation>Veuillez saisir un nombre entier</translation>
    </message>
    <message>
        <source>Please enter a value between 1 and 65</source>
        <translation>Veuillez saisir une valeur entre 1 et 65</translation>
    </message>
    <message>
        <source>The timer interval must be a number of seconds, for example 1 or 2.5.  Nothing has been saved.</source>
        <translation>L&apos;intervalle du minuteur doit être un nombre de secondes, par exemple 1 ou 2.5.  Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Nothing on these pages has an effect on this system. The settings are kept, and saved as they are, because copies of TimeWard on other systems that share this store use them.</source>
        <translation>Rien sur ces pages n&apos;a d&apos;effet sur ce système. Les réglages sont conservés et enregistrés tels quels, car les copies de TimeWard sur d&apos;autres systèmes qui partagent ce stockage les utilisent.</translation>
    </message>
    <message>
        <source>Other Systems</source>
        <translation>Autres systèmes</translation>
    </message>
    <message>
        <source>Parent&apos;s Page</source>
        <translation>Page des parents</translation>
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
        <translation>Le mot de passe contient des caractères qui ne peuvent pas être enregistrés.  Veuillez utiliser uniquement des lettres, des chiffres et les signes usuels.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Old Password:</source>
        <translation>&amp;Ancien mot de passe :</translation>
    </message>
    <message>
        <source>&amp;New Password:</source>
        <translation>&amp;Nouveau mot de passe :</translation>
    </message>
    <message>
        <source>&amp;Re-Confirm Password:</source>
        <translation>&amp;Confirmer le mot de passe :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Now reconfirm the password in the box below it.</source>
        <translation>Confirmez maintenant le mot de passe dans la zone en dessous.</translation>
    </message>
    <message>
        <source>Password Incorrect!<byte value="xd"/><byte value="xd"/>In order to continue, you need to enter the<byte value="xd"/>correct password for the user</source>
        <translation>Mot de passe incorrect !<byte value="xd"/><byte value="xd"/>Pour continuer, vous devez saisir le<byte value="xd"/>bon mot de passe de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Password Incorrect!</source>
        <translation>Mot de passe incorrect !</translation>
    </message>
    <message>
        <source>The password and the confirmation password are not equal!</source>
        <translation>Le mot de passe et sa confirmation ne sont pas identiques !</translation>
    </message>
    <message>
        <source>Passwords Not Equal!</source>
        <translation>Mots de passe différents !</translation>
    </message>
    <message>
        <source>Now click back on the User Information tab.</source>
        <translation>Cliquez maintenant de nouveau sur l&apos;onglet Informations utilisateur.</translation>
    </message>
    <message>
        <source>Good.  Now click OK.</source>
        <translation>Bien.  Cliquez maintenant sur OK.</translation>
    </message>
</context>
<context>
    <name>frmPickuser</name>
    <message>
        <source>Please Enter A User Name</source>
        <translation>Veuillez saisir un nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>That User Does Not Exist!</source>
        <translation>Cet utilisateur n&apos;existe pas !</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Utilisateur :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>User %1 does not exist, create new one?</source>
        <translation>L&apos;utilisateur %1 n&apos;existe pas. Le créer ?</translation>
    </message>
    <message>
        <source>User %1 successfully deleted</source>
        <translation>L&apos;utilisateur %1 a été supprimé</translation>
    </message>
    <message>
        <source>Pick User</source>
        <translation>Choisir un utilisateur</translation>
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
        <translation>Utilisateur : %1 Reste : %2</translation>
    </message>
    <message>
        <source>Sorry, but you cannot use the Task Manager to exit this program.</source>
        <translation>Désolé, ce programme ne peut pas être fermé avec le gestionnaire des tâches.</translation>
    </message>
    <message>
        <source>Sorry, but you cannot end the desktop session while this program is running.</source>
        <translation>Désolé, la session du bureau ne peut pas être fermée tant que ce programme fonctionne.</translation>
    </message>
    <message>
        <source>Renews %1 at 0:00</source>
        <translation>Renouvelé %1 à 0 h</translation>
    </message>
    <message>
        <source>Open TimeWard</source>
        <translation>Ouvrir TimeWard</translation>
    </message>
    <message>
        <source>My Time</source>
        <translation>Mon temps</translation>
    </message>
    <message>
        <source>Ask for More Time…</source>
        <translation>Demander plus de temps…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Se déconnecter</translation>
    </message>
</context>
<context>
    <name>frmTRWindow</name>
    <message>
        <source>Time Remaining</source>
        <translation>Temps restant</translation>
    </message>
</context>
<context>
    <name>frmUS</name>
    <message>
        <source>Are you sure you wish to end this session?</source>
        <translation>Voulez-vous vraiment terminer cette session ?</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Time Allowed:</source>
        <translation>Temps accordé :</translation>
    </message>
    <message>
        <source>Time Left:</source>
        <translation>Temps restant :</translation>
    </message>
    <message>
        <source>Time Renews:</source>
        <translation>Renouvellement :</translation>
    </message>
    <message>
        <source>&amp;End Session</source>
        <translation>&amp;Terminer la session</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>s.o.</translation>
    </message>
    <message>
        <source>User Statistics</source>
        <translation>Statistiques utilisateur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>&amp;Changer le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>A&amp;fficher</translation>
    </message>
    <message>
        <source>Ask for &amp;More Time…</source>
        <translation>Demander plus de te&amp;mps…</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
</context>
<context>
    <name>frmUserMenu</name>
    <message>
        <source>Edit User Information</source>
        <translation>Modifier l&apos;utilisateur</translation>
    </message>
    <message>
        <source> User Information</source>
        <translation> Informations utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Time Limits</source>
        <translation>Limites de temps</translation>
    </message>
    <message>
        <source>Login Options</source>
        <translation>Options de connexion</translation>
    </message>
    <message>
        <source>Time Restrictions</source>
        <translation>Restrictions horaires</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Parental Rights</source>
        <translation>Droits parentaux</translation>
    </message>
    <message>
        <source>User Can Change Password</source>
        <translation>Peut changer son mot de passe</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>User Number:</source>
        <translation>Numéro d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>User &amp;Name:</source>
        <translation>&amp;Nom d&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Single Passwords</source>
        <translation>Mot de passe unique</translation>
    </message>
    <message>
        <source>Multiple Passwords</source>
        <translation>Plusieurs mots de passe</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>&amp;Changer le mot de passe</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Next Password: </source>
        <translation>Mot de passe suivant : </translation>
    </message>
    <message>
        <source>&amp;Randomize</source>
        <translation>&amp;Aléatoire</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>Re&amp;nouveler</translation>
    </message>
    <message>
        <source>Set &amp;Next</source>
        <translation>Définir le &amp;suivant</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Refresh When Run Out Of Passwords</source>
        <translation>Renouveler quand tous les mots de passe sont utilisés</translation>
    </message>
    <message>
        <source>Disable Password After Use</source>
        <translation>Désactiver le mot de passe après usage</translation>
    </message>
    <message>
        <source>Refresh Time When Start</source>
        <translation>Renouveler le temps au démarrage</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longueur :</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Nombre :</translation>
    </message>
    <message>
        <source>&amp;Based On:</source>
        <translation>&amp;Période :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Temps accordé :</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Heures :</translation>
    </message>
    <message>
        <source>Minutes:</source>
        <translation>Minutes :</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Secondes :</translation>
    </message>
    <message>
        <source>One Time:   Delete user after time runs out.</source>
        <translation>Une seule fois :   supprimer l&apos;utilisateur quand le temps est écoulé.</translation>
    </message>
    <message>
        <source>On Timeout</source>
        <translation>À la fin du temps</translation>
    </message>
    <message>
        <source>Launch Program</source>
        <translation>Lancer un programme</translation>
    </message>
    <message>
        <source>Display Message</source>
        <translation>Afficher un message</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Jouer un son</translation>
    </message>
    <message>
        <source>Now enter the amount in minutes you wish the user to receive in the Minutes box.</source>
        <translation>Saisissez maintenant dans la zone Minutes le nombre de minutes à accorder à l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Finally, do the same (in seconds) in the seconds box.</source>
        <translation>Enfin, faites de même (en secondes) dans la zone Secondes.</translation>
    </message>
    <message>
        <source>On Login:</source>
        <translation>À la connexion :</translation>
    </message>
    <message>
        <source>Write Extra Text To Log </source>
        <translation>Écrire un texte dans le journal </translation>
    </message>
    <message>
        <source>Logout User When Program Stops</source>
        <translation>Déconnecter l&apos;utilisateur à l&apos;arrêt du programme</translation>
    </message>
    <message>
        <source>Identifiers</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>(The below identifiers are allowed)</source>
        <translation>(Les variables ci-dessous sont permises)</translation>
    </message>
    <message>
        <source>Name of user</source>
        <translation>Nom de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>User&apos;s number</source>
        <translation>Numéro de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>User&apos;s free time when he/she logs in</source>
        <translation>Temps restant de l&apos;utilisateur à la connexion</translation>
    </message>
    <message>
        <source>User&apos;s total amount of time</source>
        <translation>Temps total de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>What their time period is based on</source>
        <translation>Période de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activées</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Till</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move the selected entry up</source>
        <translation>Monter l&apos;entrée choisie</translation>
    </message>
    <message>
        <source>Move the selected entry down</source>
        <translation>Descendre l&apos;entrée choisie</translation>
    </message>
    <message>
        <source>Times are based on a 24 hour clock!!!</source>
        <translation>Les heures sont au format 24 heures !</translation>
    </message>
    <message>
        <source>Please continue by clicking on the time restrictions tab.</source>
        <translation>Continuez en cliquant sur l&apos;onglet Restrictions horaires.</translation>
    </message>
    <message>
        <source>If you wish to type any notes about the user, please do so in the Notes box.  If you wish to continue without doing this, click on the Time Restrictions tab.</source>
        <translation>Si vous voulez noter quelque chose sur l&apos;utilisateur, faites-le dans la zone Notes.  Pour continuer sans notes, cliquez sur l&apos;onglet Restrictions horaires.</translation>
    </message>
    <message>
        <source>Since you have decided to not give this user Unlimited time, you will have to set how much time this user receives.  Click on the Hours box and enter the amount.</source>
        <translation>Comme cet utilisateur n&apos;a pas un temps illimité, vous devez indiquer combien de temps il reçoit.  Cliquez dans la zone Heures et saisissez le nombre.</translation>
    </message>
    <message>
        <source>Since this user currently has unlimited time, setting this option will have no effect.</source>
        <translation>Comme cet utilisateur a actuellement un temps illimité, cette option n&apos;aura aucun effet.</translation>
    </message>
    <message>
        <source>Choosing this will power off the computer when the user runs out of time.</source>
        <translation>Avec ce choix, l&apos;ordinateur s&apos;éteint quand le temps de l&apos;utilisateur est écoulé.</translation>
    </message>
    <message>
        <source>Choosing this will log the user out of the desktop when the user runs out of time.</source>
        <translation>Avec ce choix, l&apos;utilisateur est déconnecté du bureau quand son temps est écoulé.</translation>
    </message>
    <message>
        <source>Choosing this will cause the computer to restart when the user runs out of time.</source>
        <translation>Avec ce choix, l&apos;ordinateur redémarre quand le temps de l&apos;utilisateur est écoulé.</translation>
    </message>
    <message>
        <source>Choosing this will display the TimeWard login so another user can log on when the user runs out of time.</source>
        <translation>Avec ce choix, l&apos;écran de connexion de TimeWard s&apos;affiche quand le temps de l&apos;utilisateur est écoulé, pour qu&apos;un autre utilisateur puisse se connecter.</translation>
    </message>
    <message>
        <source>You will next click on Change Password.  You will do this to set up the user&apos;s password so he or she can keep their account private and so no one else can get into their account.  Please try to remember this password.  Click on Change Password now.</source>
        <translation>Cliquez ensuite sur Changer le mot de passe.  Vous définirez ainsi le mot de passe de l&apos;utilisateur, pour que personne d&apos;autre ne puisse utiliser son compte.  Retenez bien ce mot de passe.  Cliquez maintenant sur Changer le mot de passe.</translation>
    </message>
    <message>
        <source>You will next put a check mark in the Parent Rights box.  Doing so tells TimeWard that this user can change any of the options that he/she wants, and can add, modify and edit users.  Check the Parent Rights box now.</source>
        <translation>Cochez ensuite la case Droits parentaux.  Cet utilisateur pourra ainsi modifier toutes les options et ajouter ou modifier des utilisateurs.  Cochez maintenant la case Droits parentaux.</translation>
    </message>
    <message>
        <source>It might be wise to give the parent user Unlimited time so that he/she can change any options whenever he or she chooses to do so.  If you select something else and the only Parent Rights user doesn&apos;t have any time left, he/she won&apos;t be able to change any options.  Do this by clicking on the drop-down box named Based On.</source>
        <translation>Il est prudent de donner au parent un temps illimité pour qu&apos;il puisse modifier les options quand il le souhaite.  Si vous choisissez autre chose et que le seul utilisateur ayant les droits parentaux n&apos;a plus de temps, il ne pourra plus modifier les options.  Faites-le dans la liste Période.</translation>
    </message>
    <message>
        <source>Please enter the user name</source>
        <translation>Veuillez saisir le nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Please enter a password</source>
        <translation>Veuillez saisir un mot de passe</translation>
    </message>
    <message>
        <source>Please enter the hour amount</source>
        <translation>Veuillez saisir le nombre d’heures</translation>
    </message>
    <message>
        <source>Please enter the minute amount</source>
        <translation>Veuillez saisir le nombre de minutes</translation>
    </message>
    <message>
        <source>Please enter the second amount</source>
        <translation>Veuillez saisir le nombre de secondes</translation>
    </message>
    <message>
        <source>Please select time period for user</source>
        <translation>Veuillez choisir la période de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>User %1 already exists!</source>
        <translation>L&apos;utilisateur %1 existe déjà !</translation>
    </message>
    <message>
        <source>Now, please enter the user&apos;s preferred name.  This can be either their complete name, or, if you choose, just a short nick name or something along those lines.  Then press TAB.</source>
        <translation>Saisissez maintenant le nom choisi pour l&apos;utilisateur.  Ce peut être son nom complet ou, si vous préférez, un court surnom.  Appuyez ensuite sur Tab.</translation>
    </message>
    <message>
        <source>Please go back to the User Name box and enter a user name.</source>
        <translation>Retournez dans la zone Nom d&apos;utilisateur et saisissez un nom.</translation>
    </message>
    <message>
        <source>Next, you will click the tab that says Password(s).</source>
        <translation>Cliquez ensuite sur l&apos;onglet Mot de passe.</translation>
    </message>
    <message>
        <source>Please Enter A User Name First</source>
        <translation>Veuillez d&apos;abord saisir un nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Now you will have to enter this user&apos;s password.  To do so, enter the password in the New Password box.</source>
        <translation>Saisissez maintenant le mot de passe de cet utilisateur dans la zone Nouveau mot de passe.</translation>
    </message>
    <message>
        <source>Please enter an integer</source>
        <translation>Veuillez saisir un nombre entier</translation>
    </message>
    <message>
        <source>Please enter an integer for the length!</source>
        <translation>Veuillez saisir un nombre entier pour la longueur !</translation>
    </message>
    <message>
        <source>Please enter an integer for the number of passwords!</source>
        <translation>Veuillez saisir un nombre entier pour le nombre de mots de passe !</translation>
    </message>
    <message>
        <source>All passwords reset to Unused</source>
        <translation>Tous les mots de passe sont de nouveau inutilisés</translation>
    </message>
    <message>
        <source>Please select a password</source>
        <translation>Veuillez choisir un mot de passe</translation>
    </message>
    <message>
        <source>Next password set as: </source>
        <translation>Mot de passe suivant : </translation>
    </message>
    <message>
        <source>A list password cannot contain spaces.</source>
        <translation>Un mot de passe de liste ne peut pas contenir d’espaces.</translation>
    </message>
    <message>
        <source>The password holds characters that cannot be stored.  Please use only letters, digits and the usual signs.</source>
        <translation>Le mot de passe contient des caractères qui ne peuvent pas être enregistrés.  Veuillez utiliser uniquement des lettres, des chiffres et les signes usuels.</translation>
    </message>
    <message>
        <source>Please select a user first</source>
        <translation>Veuillez d&apos;abord choisir un utilisateur</translation>
    </message>
    <message>
        <source>User %1 does not exist, create new one?</source>
        <translation>L&apos;utilisateur %1 n&apos;existe pas. Le créer ?</translation>
    </message>
    <message>
        <source>Edit User</source>
        <translation>Modifier l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Now you can configure what happens when a timeout occurs.  Clicking on either Take Action, Display Message, or Play Sound will update this box with further information on the person.  If you&apos;re all set, click OK to add this user.  You will then be all set.</source>
        <translation>Vous pouvez maintenant choisir ce qui se passe quand le temps est écoulé.  Un clic sur Effectuer une action, Afficher un message ou Jouer un son affiche ici plus d&apos;explications.  Quand tout est prêt, cliquez sur OK pour ajouter cet utilisateur.  Et voilà.</translation>
    </message>
    <message>
        <source>Please select from the box beside this what you wish to happen when a timeout occurs.  You may click OK to save the user and continue at any time.</source>
        <translation>Choisissez dans la liste à côté ce qui doit se passer quand le temps est écoulé.  Vous pouvez cliquer sur OK à tout moment pour enregistrer l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>This will display a message that says what the text box beside this shows.  You can edit that text box.  You may click OK to save the user and continue at any time.</source>
        <translation>Un message affichera le texte de la zone à côté.  Vous pouvez modifier ce texte.  Vous pouvez cliquer sur OK à tout moment pour enregistrer l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>This will play the specified wave file.  You may either select it by clicking on the ... button beside the box, or you may edit it manually.  You may click OK to save the user and continue at any time.</source>
        <translation>Le fichier WAV indiqué sera joué.  Vous pouvez le choisir avec le bouton ... à côté de la zone ou saisir son chemin.  Vous pouvez cliquer sur OK à tout moment pour enregistrer l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>You are all set.  Click on OK to add this user and start TimeWard.</source>
        <translation>Tout est prêt.  Cliquez sur OK pour ajouter cet utilisateur et démarrer TimeWard.</translation>
    </message>
    <message>
        <source>You may click OK to save the user and continue at any time.</source>
        <translation>Vous pouvez cliquer sur OK à tout moment pour enregistrer l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Since this user currently has unlimited time, setting this option will have no effect.  You may click OK to save the user and continue at any time.</source>
        <translation>Comme cet utilisateur a actuellement un temps illimité, cette option n&apos;aura aucun effet.  Vous pouvez cliquer sur OK à tout moment pour enregistrer l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>The changes to %1 could not be saved: %2. Nothing was changed.</source>
        <translation>Les modifications de %1 n&apos;ont pas pu être enregistrées : %2. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The time in From cannot be read.</source>
        <translation>L&apos;heure dans « De » est illisible.</translation>
    </message>
    <message>
        <source>The time in Till cannot be read.</source>
        <translation>L&apos;heure dans « À » est illisible.</translation>
    </message>
    <message>
        <source>Please type a whole hour, for example 20, 20:00 or 8 pm; 24:00 is the end of the day.</source>
        <translation>Tapez une heure pile, par exemple 20, 20:00 ou 8 pm ; 24:00 est la fin de la journée.</translation>
    </message>
    <message>
        <source>Delete %1? Their time, password list and usage history go with them.</source>
        <translation>Supprimer %1 ? Son temps, sa liste de mots de passe et son historique d&apos;utilisation disparaissent avec lui.</translation>
    </message>
</context>
<context>
    <name>frmWelcome</name>
    <message>
        <source>Welcome to TimeWard</source>
        <translation>Bienvenue dans TimeWard</translation>
    </message>
    <message>
        <source>Welcome to TimeWard!

TimeWard decides who may use this computer, when, and for how long.  Every person gets a user name, a password and a time allowance that renews daily, weekly or monthly, or unlimited time.

Since this is the first time TimeWard has been started, you will now set up the first user.  That user will be a parent: he or she can change the options and add, edit and delete the other users.

Click Next to begin.</source>
        <translation>Bienvenue dans TimeWard !

TimeWard décide qui peut utiliser cet ordinateur, quand et pendant combien de temps.  Chaque personne reçoit un nom d&apos;utilisateur, un mot de passe et un temps renouvelé chaque jour, chaque semaine ou chaque mois, ou un temps illimité.

Comme TimeWard démarre pour la première fois, vous allez maintenant créer le premier utilisateur.  Ce sera un parent : il pourra modifier les options et ajouter, modifier et supprimer les autres utilisateurs.

Cliquez sur Suivant pour commencer.</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
</context>
</TS>
