<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Te downloaden megabytes</translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>STAP 1 / Grootte van de download</translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation>MB&apos;s omzetten naar kilobytes</translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation>Kilobytes in de te downloaden megabytes</translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>STAP 2 / Snelheid van uw verbinding en download</translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation>Snelheid in kbit/s</translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation>Snelheid omzetten in overdracht (kB/s)</translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation>Overdracht in kB/s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation>De totale tijd om de megabytes te downloaden bij de opgegeven snelheid en overdracht</translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>STAP 3 / Klik op de knop Berekenen</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Uren</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berekenen</translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation>Ontwikkeld door Orlevan &apos;;..;&apos;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation>Te downloaden hoeveelheid in megabytes</translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation>Te downloaden hoeveelheid in kilobytes</translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation>Internetsnelheid in kilobits per seconde</translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation>Overdrachtssnelheid in kilobytes per seconde</translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation>Downloadtijd in seconden</translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation>Afbeelding van een breedbandmodem</translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation>Downloadtijd in minuten</translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation>Downloadtijd in uren</translation>
    </message>
    <message>
        <source>%1 megabytes</source>
        <extracomment>Said by a screen reader; %1 is the number as the window shows it.</extracomment>
        <translation>%1 megabytes</translation>
    </message>
    <message>
        <source>%1 kilobytes</source>
        <translation>%1 kilobytes</translation>
    </message>
    <message>
        <source>%1 kilobits per second</source>
        <translation>%1 kilobits per seconde</translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation>%1 kilobytes per seconde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 seconden</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuten</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 uur</translation>
    </message>
    <message>
        <source>this box</source>
        <translation>dit vak</translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation>het vak ‘%1’</translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Bij een overdrachtssnelheid van 0 valt er geen downloadtijd te berekenen. Typ in %1 een snelheid boven 0, of zet eerst uw internetsnelheid om.</translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Het getal in %1 is te groot om mee te rekenen. Typ een kleiner getal.</translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>De uitkomst zou te groot zijn om te tonen. Typ in %1 een kleiner getal.</translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation>Helpt u te berekenen hoe lang het downloaden van een aantal megabytes duurt bij een gegeven internetsnelheid</translation>
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
