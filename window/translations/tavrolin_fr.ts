<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Tavrolin</name>
    <message>
        <source>Megabytes to Download</source>
        <translation>Mégaoctets à télécharger</translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>ÉTAPE 1 / Quantité de données</translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation>Convertir les Mo en kilooctets</translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation>Taille à télécharger en kilooctets</translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>ÉTAPE 2 / Votre débit Internet et de transfert</translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation>Débit en kbit/s</translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation>Convertir le débit en transfert (Ko/s)</translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation>Transfert en Ko/s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation>Durée totale du téléchargement des mégaoctets au débit Internet et au taux de transfert indiqués</translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>ÉTAPE 3 / Cliquez sur le bouton Calculer</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation>Conçu et développé par Orlevan &apos;;..;&apos;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation>Quantité à télécharger en mégaoctets</translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation>Quantité à télécharger en kilooctets</translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation>Débit Internet en kilobits par seconde</translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation>Taux de transfert en kilooctets par seconde</translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation>Durée du téléchargement en secondes</translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation>Image d’un modem haut débit</translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation>Durée du téléchargement en minutes</translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation>Durée du téléchargement en heures</translation>
    </message>
    <message>
        <source>%1 megabytes</source>
        <extracomment>Said by a screen reader; %1 is the number as the window shows it.</extracomment>
        <translation>%1 mégaoctets</translation>
    </message>
    <message>
        <source>%1 kilobytes</source>
        <translation>%1 kilooctets</translation>
    </message>
    <message>
        <source>%1 kilobits per second</source>
        <translation>%1 kilobits par seconde</translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation>%1 kilooctets par seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>this box</source>
        <translation>cette case</translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation>la case «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Impossible de calculer une durée de téléchargement avec un taux de transfert de 0. Saisissez un taux supérieur à 0 dans %1, ou convertissez d’abord votre débit Internet.</translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Le nombre dans %1 est trop grand pour être traité. Veuillez en saisir un plus petit.</translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Le résultat serait trop grand pour être affiché. Veuillez saisir un nombre plus petit dans %1.</translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation>Vous aide à calculer le temps nécessaire pour télécharger une quantité donnée de mégaoctets à un débit Internet donné</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A result as a screen reader reads it: %1 says what it is, %2 is the number.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two answers a screen reader says one after the other.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
