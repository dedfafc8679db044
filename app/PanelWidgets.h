#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QWidget;

// Small builders shared by the settings pages, so every page labels and names its controls the
// same way (the style sheets select on the object names).
namespace PanelWidgets {

// Field labels and most label texts use this (redundant-looking but deliberate) combination.
constexpr Qt::Alignment kLabelAlign = Qt::AlignRight | Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignVCenter;

QLabel* fieldLabel(const QString& text, QWidget* parent);
QSlider* tickedSlider(QWidget* parent, const char* name);
QComboBox* combo(QWidget* parent, const char* name, const QStringList& items = {});
QPushButton* button(QWidget* parent, const char* name, const QString& text = {});

}  // namespace PanelWidgets
