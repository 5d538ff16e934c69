<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <translation>ダウンロード量（MB）</translation>
    </message>
    <message>
        <source>STEP 1 / Amount to Download</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>ステップ 1 / ダウンロード量</translation>
    </message>
    <message>
        <source>Convert MB&apos;s to Kilobytes</source>
        <extracomment>MB: megabytes (1 MB = 1024 kilobytes here).</extracomment>
        <translation>MB を KB に換算</translation>
    </message>
    <message>
        <source>Kilobytes in the Megabytes to Download</source>
        <translation>ダウンロード量（KB）</translation>
    </message>
    <message>
        <source>STEP 2 / Your Internet Speed and Transfer Rate</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>ステップ 2 / 回線速度と転送速度</translation>
    </message>
    <message>
        <source>Internet Speed in K</source>
        <extracomment>The speed of the connection in kilobits per second (K), as the provider states it.</extracomment>
        <translation>回線速度（kbps）</translation>
    </message>
    <message>
        <source>Convert Internet Speed to Transfer Rate (KB/s)</source>
        <translation>回線速度を転送速度（KB/⁠s）に換算</translation>
    </message>
    <message>
        <source>Transfer Speed in KB/s</source>
        <extracomment>The same speed in kilobytes per second, the rate a download shows.</extracomment>
        <translation>転送速度（KB/s）</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>This shows the Total Time Needed to Download the Megabytes at the Given Internet Speed and Transfer Rate</source>
        <translation>指定の回線速度と転送速度で、このメガバイト数をダウンロードするのにかかる合計時間</translation>
    </message>
    <message>
        <source>STEP 3 / Click the Calculate Button</source>
        <extracomment>A step heading; it wraps in a narrow label.</extracomment>
        <translation>ステップ 3 / ［計算］ボタンをクリック</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Programmed and Developed By Orlevan &apos;;..;&apos;</source>
        <extracomment>The author&apos;s credit; the name and the mark after it stay as they are.</extracomment>
        <translation>プログラム作成・開発：Orlevan &apos;;..;&apos;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Amount to download in megabytes</source>
        <translation>ダウンロード量（メガバイト）</translation>
    </message>
    <message>
        <source>Amount to download in kilobytes</source>
        <translation>ダウンロード量（キロバイト）</translation>
    </message>
    <message>
        <source>Internet speed in kilobits per second</source>
        <translation>回線速度（キロビット毎秒）</translation>
    </message>
    <message>
        <source>Transfer rate in kilobytes per second</source>
        <translation>転送速度（キロバイト毎秒）</translation>
    </message>
    <message>
        <source>Download time in seconds</source>
        <translation>ダウンロード時間（秒）</translation>
    </message>
    <message>
        <source>Picture of a broadband modem</source>
        <translation>ブロードバンド モデムの画像</translation>
    </message>
    <message>
        <source>Download time in minutes</source>
        <translation>ダウンロード時間（分）</translation>
    </message>
    <message>
        <source>Download time in hours</source>
        <translation>ダウンロード時間（時間）</translation>
    </message>
    <message>
        <source>%1 megabytes</source>
        <extracomment>Said by a screen reader; %1 is the number as the window shows it.</extracomment>
        <translation>%1 メガバイト</translation>
    </message>
    <message>
        <source>%1 kilobytes</source>
        <translation>%1 キロバイト</translation>
    </message>
    <message>
        <source>%1 kilobits per second</source>
        <translation>毎秒 %1 キロビット</translation>
    </message>
    <message>
        <source>%1 kilobytes per second</source>
        <translation>毎秒 %1 キロバイト</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 時間</translation>
    </message>
    <message>
        <source>this box</source>
        <translation>この欄</translation>
    </message>
    <message>
        <source>the %1 box</source>
        <extracomment>%1 is the caption beside the box, as the window shows it.</extracomment>
        <translation>「%1」欄</translation>
    </message>
    <message>
        <source>No download time can be worked out while the transfer rate is 0. Type a transfer rate above 0 in %1, or convert your Internet speed first.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>転送速度が 0 のままではダウンロード時間を計算できません。%1に 0 より大きい転送速度を入力するか、先に回線速度を換算してください。</translation>
    </message>
    <message>
        <source>The number in %1 is too large to work with. Please type a smaller one.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>%1の数値が大きすぎて計算できません。もっと小さい数値を入力してください。</translation>
    </message>
    <message>
        <source>The result would be too large to show. Please type a smaller number in %1.</source>
        <extracomment>%1 is &quot;the ... box&quot; or &quot;this box&quot;, translated above.</extracomment>
        <translation>結果が大きすぎて表示できません。%1にもっと小さい数値を入力してください。</translation>
    </message>
    <message>
        <source>Helps you calculate time needed to download certain about of megabytes with given Internet speed</source>
        <translation>指定のインターネット速度で一定量のメガバイトをダウンロードするのにかかる時間の計算を助けます</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A result as a screen reader reads it: %1 says what it is, %2 is the number.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between two answers a screen reader says one after the other.</extracomment>
        <translation>、</translation>
    </message>
</context>
</TS>
