<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>下载大小（MB）</translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>第 1 步 / 下载量</translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation>将 MB 换算成 KB</translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation>下载大小（KB）</translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>第 2 步 / 网速与传输速率</translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation>网速（kbit/s）</translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation>将网速换算为传输速率（KB/s）</translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation>传输速率（KB/s）</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation>按给定的网速和传输速率下载这些兆字节所需的总时间</translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>第 3 步 / 点击“计算”按钮</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation>程序设计与开发：Orlevan &apos;;..;&apos;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation>下载量（兆字节）</translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation>下载量（千字节）</translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation>网速（千比特每秒）</translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation>传输速率（千字节每秒）</translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation>下载时间（秒）</translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation>宽带调制解调器图片</translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation>下载时间（分钟）</translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation>下载时间（小时）</translation>
    </message>
    <message>
        <source>%1 megabytes</source>
        <extracomment>Said by a screen reader; %1 is the number as the window shows it.</extracomment>
        <translation>%1 兆字节</translation>
    </message>
    <message>
        <source>%1 kilobytes</source>
        <translation>%1 千字节</translation>
    </message>
    <message>
        <source>%1 kilobits per second</source>
        <translation>每秒 %1 千比特</translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation>每秒 %1 千字节</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>this box</source>
        <translation>此框</translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation>“%1”框</translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>传输速率为 0 时无法算出下载时间。请在%1中输入大于 0 的传输速率，或先换算网速。</translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>%1中的数字太大，无法计算。请输入一个较小的数。</translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>结果太大，无法显示。请在%1中输入一个较小的数。</translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation>帮助您计算在给定网速下下载一定数量的兆字节所需的时间</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A result as a screen reader reads it: %1 says what it is, %2 is the number.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two answers a screen reader says one after the other.</extracomment>
        <translation>，</translation>
    </message>
</context>
</TS>
