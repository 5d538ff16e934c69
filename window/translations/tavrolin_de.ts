<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Megabyte zum Download</translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>SCHRITT 1 / Download-Menge</translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation>MB in Kilobyte umrechnen</translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation>Die Megabyte zum Download in Kilobyte</translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>SCHRITT 2 / Bandbreite und Datenrate</translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation>Bandbreite in kbit/s</translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation>Bandbreite in Datenrate (kB/s) umrechnen</translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation>Datenrate in kB/s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation>Die Gesamtzeit für den Download der Megabyte bei der angegebenen Bandbreite und Datenrate</translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>SCHRITT 3 / Auf „Berechnen“ klicken</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation>Entwickelt von Orlevan &apos;;..;&apos;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation>Download-Menge in Megabyte</translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation>Download-Menge in Kilobyte</translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation>Bandbreite in Kilobit pro Sekunde</translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation>Datenrate in Kilobyte pro Sekunde</translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation>Download-Dauer in Sekunden</translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation>Bild eines Breitbandmodems</translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation>Download-Dauer in Minuten</translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation>Download-Dauer in Stunden</translation>
    </message>
    <message>
        <source>%1 megabytes</source>
        <extracomment>Said by a screen reader; %1 is the number as the window shows it.</extracomment>
        <translation>%1 Megabyte</translation>
    </message>
    <message>
        <source>%1 kilobytes</source>
        <translation>%1 Kilobyte</translation>
    </message>
    <message>
        <source>%1 kilobits per second</source>
        <translation>%1 Kilobit pro Sekunde</translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation>%1 Kilobyte pro Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>this box</source>
        <translation>diesem Feld</translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation>dem Feld „%1“</translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Bei einer Datenrate von 0 lässt sich keine Download-Dauer berechnen. Geben Sie in %1 eine Datenrate über 0 ein, oder rechnen Sie zuerst Ihre Bandbreite um.</translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Die Zahl in %1 ist zu groß zum Rechnen. Bitte geben Sie eine kleinere ein.</translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Das Ergebnis wäre zu groß für die Anzeige. Bitte geben Sie in %1 eine kleinere Zahl ein.</translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation>Hilft Ihnen zu berechnen, wie lange der Download einer bestimmten Menge Megabyte bei gegebener Bandbreite dauert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A result as a screen reader reads it: %1 says what it is, %2 is the number.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two answers a screen reader says one after the other.</extracomment>
        <translation>, </translation>
    </message>
</context>
</TS>
