<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>BookModePage</name>
    <message>
        <source>Pre Page</source>
        <translation>左ページ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>右ページ</translation>
    </message>
    <message>
        <source>Automatic flattening</source>
        <translation>自動平坦化</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Merge left and right pages</source>
        <translation>左右ページを結合</translation>
    </message>
    <message>
        <source>Save directly</source>
        <translation>直接保存</translation>
    </message>
</context>
<context>
    <name>CCameraPreview</name>
    <message>
        <source>Finding device...</source>
        <translation>デバイスを検索中...</translation>
    </message>
    <message>
        <source>Opening Device...</source>
        <translation>デバイスを開いています...</translation>
    </message>
    <message>
        <source>Camera View</source>
        <translation>カメラビュー</translation>
    </message>
</context>
<context>
    <name>CPreConfigBar</name>
    <message>
        <source>Doc</source>
        <translation>文書</translation>
    </message>
    <message>
        <source>Id Card</source>
        <translation>身分証</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>シート</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>書籍</translation>
    </message>
</context>
<context>
    <name>CameraPage</name>
    <message>
        <source>Devices:</source>
        <translation>デバイス：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解像度：</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>形式：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>明るさ：</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>彩度：</translation>
    </message>
    <message>
        <source>Power Fre:</source>
        <translation>周波数：</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>フォーカス</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>TakePhoto Timer:</source>
        <translation>タイマー：</translation>
    </message>
    <message>
        <source>Open Vice Cam</source>
        <translation>サブカメラ</translation>
    </message>
    <message>
        <source>Merge Sub Cam</source>
        <translation>合成</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>LeftUp</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>RightUp</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>LeftDown</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>RightDown</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DocumentModePage</name>
    <message>
        <source>Original</source>
        <translation>オリジナル</translation>
    </message>
    <message>
        <source>Auto Cutting</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>最適化</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>グレー</translation>
    </message>
    <message>
        <source>Save Directly</source>
        <translation>直接保存</translation>
    </message>
</context>
<context>
    <name>IdCardModePage</name>
    <message>
        <source>Positive</source>
        <translation>表面</translation>
    </message>
    <message>
        <source>Negtive</source>
        <translation>裏面</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>人物</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>入れ替え</translation>
    </message>
    <message>
        <source>Selected image rotates 180</source>
        <translation>選択した画像を180°回転</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>顔照合</translation>
    </message>
    <message>
        <source>Automatic identification of ID</source>
        <translation>身分証を自動認識</translation>
    </message>
    <message>
        <source>Identity card automatically corrects</source>
        <translation>身分証を自動補正</translation>
    </message>
    <message>
        <source>Save with portrait</source>
        <translation>顔写真付きで保存</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>結合</translation>
    </message>
</context>
<context>
    <name>ImageListPanel</name>
    <message>
        <source>Img Path:</source>
        <translation>保存先：</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>変更...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Output to Pdf</source>
        <translation>PDFに出力</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Wordに出力</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>UnSelect</source>
        <translation>選択解除</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Delect Selectd Items</source>
        <translation>選択した項目を削除</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>フォルダーを選択</translation>
    </message>
</context>
<context>
    <name>ImageSetPage</name>
    <message>
        <source>Img Format:</source>
        <translation>形式：</translation>
    </message>
    <message>
        <source>Time&amp;Date</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>連番</translation>
    </message>
    <message>
        <source>TimeDate&amp;Index</source>
        <translation>日付時刻と連番</translation>
    </message>
    <message>
        <source>Name rule:</source>
        <translation>命名：</translation>
    </message>
    <message>
        <source>Named prefix:</source>
        <translation>接頭辞：</translation>
    </message>
    <message>
        <source>JPG Compress rate:</source>
        <translation>JPG 画質：</translation>
    </message>
    <message>
        <source>Default rotation angle in document mode</source>
        <translation>文書モードの既定の回転角度</translation>
    </message>
    <message>
        <source>Img Rotate:</source>
        <translation>回転：</translation>
    </message>
    <message>
        <source>Select the watermark type:</source>
        <translation>透かしの種類を選択：</translation>
    </message>
    <message>
        <source>No Watermark</source>
        <translation>透かしなし</translation>
    </message>
    <message>
        <source>Date watermark</source>
        <translation>日付の透かし</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>文字の透かし</translation>
    </message>
    <message>
        <source>Img Watermark</source>
        <translation>画像の透かし</translation>
    </message>
    <message>
        <source>Pleas input watermark content</source>
        <translation>透かしの内容を入力してください</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>内容：</translation>
    </message>
    <message>
        <source>Right&amp;Down</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Left&amp;Up</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Left&amp;Cetner</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Left&amp;Down</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Center&amp;Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Center&amp;Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Right&amp;Up</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Right&amp;Center</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>色を選択</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>色：</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>不透明：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ：</translation>
    </message>
    <message>
        <source>Text Size:</source>
        <translation>文字：</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>画像：</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>選択...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>画像ファイルを選択</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)</source>
        <translation>画像 (*.png *.bmp *.tif *.tiff *.gif *.jpg)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ZR Miravelo</source>
        <translation>ZR Miravelo</translation>
    </message>
    <message>
        <source>Take photo (Space)</source>
        <translation>撮影（スペース）</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Stop timed capture</source>
        <translation>タイマー撮影を停止</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Please pay attention to the lighting environment, avoid overexposure and over-darkness</source>
        <translation>照明に注意し、露出オーバーや暗すぎる環境を避けてください</translation>
    </message>
    <message>
        <source>Click Open Help Center for more information...</source>
        <translation>クリックするとヘルプセンターで詳しい情報を表示します...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Ver:</source>
        <translation>バージョン：</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>会社：</translation>
    </message>
    <message>
        <source>ZR Document Imaging</source>
        <translation>ZR Document Imaging</translation>
    </message>
    <message>
        <source>Copyright (C) ZR Document Imaging. All rights reserved.</source>
        <translation>Copyright (C) ZR Document Imaging. All rights reserved.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Unable to load camera related components. Please close this software.</source>
        <translation>カメラ関連のコンポーネントを読み込めません。このソフトウェアを終了してください。</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 を保存できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>ScanModePage</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Img Set</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>SheetModePage</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>最適化</translation>
    </message>
    <message>
        <source>QR code.. ...</source>
        <translation>QRコード...</translation>
    </message>
    <message>
        <source>Name the QR code content</source>
        <translation>QRコードの内容で名前を付ける</translation>
    </message>
    <message>
        <source>Automatically record QR code content</source>
        <translation>QRコードの内容を自動記録</translation>
    </message>
    <message>
        <source>SaveDirectly</source>
        <translation>直接保存</translation>
    </message>
</context>
</TS>
