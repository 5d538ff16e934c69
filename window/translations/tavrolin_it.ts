<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Megabyte da scaricare</translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>PASSO 1 / Quantità da scaricare</translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation>Converti i MB in kilobyte</translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation>Kilobyte nei megabyte da scaricare</translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>PASSO 2 / Velocità di connessione e di download</translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation>Velocità in kbit/s</translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation>Converti velocità in trasferimento (KB/s)</translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation>Trasferimento in KB/s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation>Il tempo totale per scaricare i megabyte alla velocità di connessione e di trasferimento indicate</translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>PASSO 3 / Fai clic su Calcola</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Ore</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation>Sviluppato da Orlevan &apos;;..;&apos;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation>Quantità da scaricare in megabyte</translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation>Quantità da scaricare in kilobyte</translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation>Velocità di connessione in kilobit al secondo</translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation>Velocità di trasferimento in kilobyte al secondo</translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation>Tempo di download in secondi</translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation>Immagine di un modem a banda larga</translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation>Tempo di download in minuti</translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation>Tempo di download in ore</translation>
    </message>
    <message>
        <source>%1 megabytes</source>
        <extracomment>Said by a screen reader; %1 is the number as the window shows it.</extracomment>
        <translation>%1 megabyte</translation>
    </message>
    <message>
        <source>%1 kilobytes</source>
        <translation>%1 kilobyte</translation>
    </message>
    <message>
        <source>%1 kilobits per second</source>
        <translation>%1 kilobit al secondo</translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation>%1 kilobyte al secondo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondi</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minuti</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 ore</translation>
    </message>
    <message>
        <source>this box</source>
        <translation>in questa casella</translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation>nella casella «%1»</translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Non si può calcolare il tempo di download con una velocità di trasferimento pari a 0. Scrivi una velocità maggiore di 0 %1, oppure converti prima la velocità di connessione.</translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Il numero %1 è troppo grande per essere elaborato. Scrivine uno più piccolo.</translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>Il risultato sarebbe troppo grande da mostrare. Scrivi un numero più piccolo %1.</translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation>Ti aiuta a calcolare il tempo necessario per scaricare una certa quantità di megabyte a una data velocità di connessione</translation>
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
