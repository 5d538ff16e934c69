<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tavrolin</name>
    <message>
        <source>Megabytes to Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 megabytes</source>
        <extracomment>Said by a screen reader; %1 is the number as the window shows it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kilobytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kilobits per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A result as a screen reader reads it: %1 says what it is, %2 is the number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two answers a screen reader says one after the other.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
