<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Megabytes a descargar</translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>PASO 1 / Cantidad a descargar</translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation>Convertir MB a kilobytes</translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation>Kilobytes de los megabytes a descargar</translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>PASO 2 / Su velocidad de Internet y de descarga</translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation>Velocidad en kbit/s</translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation>Convertir velocidad a transferencia (KB/s)</translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation>Transferencia en KB/s</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation>Muestra el tiempo total para descargar los megabytes con la velocidad y la transferencia indicadas</translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>PASO 3 / Pulse el botón Calcular</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation>Desarrollado por Orlevan &apos;;..;&apos;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation>Cantidad a descargar en megabytes</translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation>Cantidad a descargar en kilobytes</translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation>Velocidad de Internet en kilobits por segundo</translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation>Tasa de transferencia en kilobytes por segundo</translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation>Tiempo de descarga en segundos</translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation>Imagen de un módem de banda ancha</translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation>Tiempo de descarga en minutos</translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation>Tiempo de descarga en horas</translation>
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
        <translation>%1 kilobits por segundo</translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation>%1 kilobytes por segundo</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>this box</source>
        <translation>esta casilla</translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation>la casilla «%1»</translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>No se puede calcular el tiempo de descarga con una tasa de transferencia de 0. Escriba una tasa mayor que 0 en %1 o convierta antes su velocidad de Internet.</translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>El número en %1 es demasiado grande para calcular con él. Escriba uno más pequeño.</translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>El resultado sería demasiado grande para mostrarlo. Escriba un número más pequeño en %1.</translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation>Le ayuda a calcular el tiempo necesario para descargar cierta cantidad de megabytes a una velocidad de Internet dada</translation>
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
