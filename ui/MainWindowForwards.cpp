// The window's named slots that belong to a component: each hands the call on unchanged.
#include <QDebug>
#include <QListView>

#include "app/LogCategories.h"
#include "camera/CaptureController.h"
#include "camera/DeviceController.h"
#include "output/ImageListPanel.h"
#include "camera/CameraPage.h"
#include "ui/ImageSetPage.h"
#include "ui/MainWindow.h"
#include "ui/SettingsPanel.h"

// ----------------------------------------------------------------------- image output

void MainWindow::Handle_ImageTypeChanged(int index) {
    m_panel->imageSetPage()->setImageType(index);
}

void MainWindow::Handle_ImageNamedTypeChanged(int index) {
    m_panel->imageSetPage()->setNameRule(index);
}

void MainWindow::Handle_ImageNamePreChanged() {
    m_panel->imageSetPage()->takeNamePrefix();
}

void MainWindow::Handle_JPGComPressRateChanged(int value) {
    m_panel->imageSetPage()->setJpgQuality(value);
}

void MainWindow::Handle_DocModeRotateAngleChange(int index) {
    m_panel->imageSetPage()->setRotation(index);
}

// -------------------------------------------------------------------------- watermark

void MainWindow::Handle_WaterMarkType_None(bool checked) {
    m_panel->imageSetPage()->watermarkTypeToggled(0, checked);
}

void MainWindow::Handle_WaterMarkType_DateTime(bool checked) {
    m_panel->imageSetPage()->watermarkTypeToggled(1, checked);
}

void MainWindow::Handle_WaterMarkType_Text(bool checked) {
    m_panel->imageSetPage()->watermarkTypeToggled(2, checked);
}

void MainWindow::Handle_WaterMarkType_Img(bool checked) {
    m_panel->imageSetPage()->watermarkTypeToggled(3, checked);
}

void MainWindow::Handle_WaterMarkContentEditFinshed() {
    m_panel->imageSetPage()->takeWatermarkText();
}

void MainWindow::Handle_WaterMarkPositionChange(int index) {
    m_panel->imageSetPage()->setWatermarkPosition(index);
}

void MainWindow::Handle_WaterMarkColorSelect() {
    m_panel->imageSetPage()->chooseWatermarkColour();
}

void MainWindow::Handle_WaterMarkOpacityChanged(int value) {
    m_panel->imageSetPage()->setWatermarkOpacity(value);
}

void MainWindow::Handle_WaterSizeWidgetChanged(int value) {
    m_panel->imageSetPage()->setWatermarkWidth(value);
}

void MainWindow::Handle_WaterSizeHeightChanged(int value) {
    m_panel->imageSetPage()->setWatermarkHeight(value);
}

void MainWindow::Handle_WaterMarkFontSizeChanged(int value) {
    m_panel->imageSetPage()->setWatermarkFontSize(value);
}

void MainWindow::Handle_WaterMarkImgPathChanged() {
    m_panel->imageSetPage()->takeWatermarkPicturePath();
}

void MainWindow::Handle_WaterMarkImgPathSelected() {
    m_panel->imageSetPage()->chooseWatermarkPicture();
}

// ---------------------------------------------------------------------- output folder

void MainWindow::Handle_OpenBaseDir() {
    m_panel->imageList()->openBaseDir();
}

void MainWindow::Handle_SelectBaseDir() {
    m_panel->imageList()->selectBaseDir();
}

// --------------------------------------------------------------------- device control

void MainWindow::DeviceSelectChanged(int index) {
    m_device->selectDevice(index);
}

void MainWindow::ResolutionSelectChanged(int index) {
    m_device->selectResolution(index);
}

void MainWindow::Qbtn_Opendevice_Clicked() {
    m_device->toggleOpen();
}

void MainWindow::GetFrameBuffer() {
    m_device->queryFrame();
}

void MainWindow::Handle_Timer_1000_Timeout() {
    m_device->tick();
}

void MainWindow::SetBrightnessValue(int value) {
    m_device->setPicture(CameraPage::Brightness, value);
}

void MainWindow::SetContrastValue(int value) {
    m_device->setPicture(CameraPage::Contrast, value);
}

void MainWindow::SetSaturationValue(int value) {
    m_device->setPicture(CameraPage::Saturation, value);
}

void MainWindow::Handle_CameraParaChangedManual(int) {}

void MainWindow::Handle_VideoParaReset() {
    m_device->resetPicture();
}

void MainWindow::Handle_VideoParaFouce() {
    m_device->focus();
}

// ------------------------------------------------------------------- capture triggers

void MainWindow::Qbtn_TakePhoto_Clicked() {
    m_captures->trigger();
}

void MainWindow::Handle_Timer_TakePhoto_Timeout() {
    m_captures->seriesTick();
}

void MainWindow::Handle_StopTakePhotoOnTimer() {
    m_captures->stopSeries();
}

void MainWindow::Handle_Doc_Preview_TurnLeft() {
    setPreviewTurn(m_previewTurn - 1);
}

void MainWindow::Handle_Doc_Preview_TurnRight() {
    setPreviewTurn(m_previewTurn + 1);
}

// ------------------------------------------------------------------------- image list

void MainWindow::Handle_DoubleClickImageItem(const QModelIndex& item) {
    m_panel->imageList()->openItem(item);
}

void MainWindow::Handle_SelectAllImageItems() {
    m_panel->imageList()->selectAll();
}

void MainWindow::Handle_UnSelectAllImageItems() {
    m_panel->imageList()->unselectAll();
}

void MainWindow::Handle_DeleteSelectedImageItems() {
    m_panel->imageList()->deleteSelected();
}

void MainWindow::Handle_Right_Zoom_Show_menu(QPoint pos) {
    qCDebug(lcWindow) << "Menu Show Position:X" << pos.x() << "Y:" << pos.y();
    // The list asks for its menu itself (on a thumbnail or on empty space): the window's own
    // context-menu event never sees a click that the list takes.
    ImageListPanel* list = m_panel->imageList();
    list->execMenu(list->view()->viewport()->mapToGlobal(pos));
}

void MainWindow::Handle_SelectedImageItemsCopy() {
    m_panel->imageList()->copySelected();
}

void MainWindow::Handle_SelectedImageItemsPrint() {
    m_panel->imageList()->printSelected();
}

void MainWindow::Handle_SelectedImageItemsToPdf() {
    m_panel->imageList()->exportSelected(0);
}

void MainWindow::Handle_SelectedImageItemsToWord() {
    m_panel->imageList()->exportSelected(1);
}

void MainWindow::Handle_SelectedImageItemsToOcr() {
    m_panel->imageList()->ocrSelected();
}
