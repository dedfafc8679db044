<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>BookModePage</name>
    <message>
        <source>Pre Page</source>
        <translation>Левая</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Правая</translation>
    </message>
    <message>
        <source>Automatic flattening</source>
        <translation>Автовыравнивание</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Merge left and right pages</source>
        <translation>Объединить левую и правую страницы</translation>
    </message>
    <message>
        <source>Save directly</source>
        <translation>Сохранять сразу</translation>
    </message>
</context>
<context>
    <name>CCameraPreview</name>
    <message>
        <source>Finding device...</source>
        <translation>Поиск устройства...</translation>
    </message>
    <message>
        <source>Opening Device...</source>
        <translation>Открытие устройства...</translation>
    </message>
    <message>
        <source>Camera View</source>
        <translation>Изображение камеры</translation>
    </message>
</context>
<context>
    <name>CPreConfigBar</name>
    <message>
        <source>Doc</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>Id Card</source>
        <translation>Удостоверение</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Лист</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Книга</translation>
    </message>
</context>
<context>
    <name>CameraPage</name>
    <message>
        <source>Devices:</source>
        <translation>Камеры:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Разреш.:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яркость:</translation>
    </message>
    <message>
        <source>Contrast:</source>
        <translation>Контраст:</translation>
    </message>
    <message>
        <source>Saturation:</source>
        <translation>Насыщ.:</translation>
    </message>
    <message>
        <source>Power Fre:</source>
        <translation>Сеть, Гц:</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Фокус</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>TakePhoto Timer:</source>
        <translation>Таймер:</translation>
    </message>
    <message>
        <source>Open Vice Cam</source>
        <translation>Доп. камера</translation>
    </message>
    <message>
        <source>Merge Sub Cam</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Место:</translation>
    </message>
    <message>
        <source>LeftUp</source>
        <translation>Верх Л</translation>
    </message>
    <message>
        <source>RightUp</source>
        <translation>Верх П</translation>
    </message>
    <message>
        <source>LeftDown</source>
        <translation>Низ Л</translation>
    </message>
    <message>
        <source>RightDown</source>
        <translation>Низ П</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>DocumentModePage</name>
    <message>
        <source>Original</source>
        <translation>Оригинал</translation>
    </message>
    <message>
        <source>Auto Cutting</source>
        <translation>Обрезка</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Улучшение</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Save Directly</source>
        <translation>Сразу сохранять</translation>
    </message>
</context>
<context>
    <name>IdCardModePage</name>
    <message>
        <source>Positive</source>
        <translation>Лицо</translation>
    </message>
    <message>
        <source>Negtive</source>
        <translation>Оборот</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Поменять местами</translation>
    </message>
    <message>
        <source>Selected image rotates 180</source>
        <translation>Повернуть выбранное изображение на 180°</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Сравнение лиц</translation>
    </message>
    <message>
        <source>Automatic identification of ID</source>
        <translation>Автоопределение удостоверения</translation>
    </message>
    <message>
        <source>Identity card automatically corrects</source>
        <translation>Автоматически выравнивать удостоверение</translation>
    </message>
    <message>
        <source>Save with portrait</source>
        <translation>Сохранять с портретом</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Объединить</translation>
    </message>
</context>
<context>
    <name>ImageListPanel</name>
    <message>
        <source>Img Path:</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>Change folder</source>
        <translation>Изменить...</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Output to Pdf</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>OCR</source>
        <translation>OCR</translation>
    </message>
    <message>
        <source>Output to Word</source>
        <translation>Экспорт в Word</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>UnSelect</source>
        <translation>Снять выделение</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Delect Selectd Items</source>
        <translation>Удалить выбранные элементы</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Выбор папки</translation>
    </message>
</context>
<context>
    <name>ImageSetPage</name>
    <message>
        <source>Img Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Time&amp;Date</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>TimeDate&amp;Index</source>
        <translation>Дата, время и номер</translation>
    </message>
    <message>
        <source>Name rule:</source>
        <translation>Имена:</translation>
    </message>
    <message>
        <source>Named prefix:</source>
        <translation>Префикс:</translation>
    </message>
    <message>
        <source>JPG Compress rate:</source>
        <translation>Качество JPG:</translation>
    </message>
    <message>
        <source>Default rotation angle in document mode</source>
        <translation>Угол поворота по умолчанию в режиме документа</translation>
    </message>
    <message>
        <source>Img Rotate:</source>
        <translation>Поворот:</translation>
    </message>
    <message>
        <source>Select the watermark type:</source>
        <translation>Тип водяного знака:</translation>
    </message>
    <message>
        <source>No Watermark</source>
        <translation>Без водяного знака</translation>
    </message>
    <message>
        <source>Date watermark</source>
        <translation>Водяной знак с датой</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>Текстовый водяной знак</translation>
    </message>
    <message>
        <source>Img Watermark</source>
        <translation>Водяной знак-изображение</translation>
    </message>
    <message>
        <source>Pleas input watermark content</source>
        <translation>Введите текст водяного знака</translation>
    </message>
    <message>
        <source>Content:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Right&amp;Down</source>
        <translation>Низ П</translation>
    </message>
    <message>
        <source>Left&amp;Up</source>
        <translation>Верх Л</translation>
    </message>
    <message>
        <source>Left&amp;Cetner</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>Left&amp;Down</source>
        <translation>Низ Л</translation>
    </message>
    <message>
        <source>Center&amp;Up</source>
        <translation>Верх</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Центр</translation>
    </message>
    <message>
        <source>Center&amp;Down</source>
        <translation>Низ</translation>
    </message>
    <message>
        <source>Right&amp;Up</source>
        <translation>Верх П</translation>
    </message>
    <message>
        <source>Right&amp;Center</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Место:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Цвет...</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Цвет:</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Плотность:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Text Size:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Картинка:</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Выбрать...</translation>
    </message>
    <message>
        <source>Select Image File</source>
        <translation>Выбор файла изображения</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.tif *.tiff *.gif *.jpg)</source>
        <translation>Изображения (*.png *.bmp *.tif *.tiff *.gif *.jpg)</translation>
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
        <translation>Сделать снимок (Пробел)</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Повернуть влево</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Повернуть вправо</translation>
    </message>
    <message>
        <source>Stop timed capture</source>
        <translation>Остановить съёмку по таймеру</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Please pay attention to the lighting environment, avoid overexposure and over-darkness</source>
        <translation>Следите за освещением: избегайте пересвета и недостатка света</translation>
    </message>
    <message>
        <source>Click Open Help Center for more information...</source>
        <translation>Нажмите, чтобы открыть справочный центр...</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Ver:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Компания:</translation>
    </message>
    <message>
        <source>ZR Document Imaging</source>
        <translation>ZR Document Imaging</translation>
    </message>
    <message>
        <source>Copyright (C) ZR Document Imaging. All rights reserved.</source>
        <translation>© ZR Document Imaging. Все права защищены.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Уведомление</translation>
    </message>
    <message>
        <source>Unable to load camera related components. Please close this software.</source>
        <translation>Не удалось загрузить компоненты камеры. Закройте программу.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Не удалось сохранить %1: %2</translation>
    </message>
</context>
<context>
    <name>ScanModePage</name>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>SettingsPanel</name>
    <message>
        <source>Camera</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>Img Set</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Файлы</translation>
    </message>
</context>
<context>
    <name>SheetModePage</name>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Улучшение</translation>
    </message>
    <message>
        <source>QR code.. ...</source>
        <translation>QR-код...</translation>
    </message>
    <message>
        <source>Name the QR code content</source>
        <translation>Называть по содержимому QR-кода</translation>
    </message>
    <message>
        <source>Automatically record QR code content</source>
        <translation>Автоматически записывать содержимое QR-кода</translation>
    </message>
    <message>
        <source>SaveDirectly</source>
        <translation>Сохранять сразу</translation>
    </message>
</context>
</TS>
