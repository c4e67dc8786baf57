#pragma once
// TForm8, "Параметры анализа": six check boxes, all checked at start, that
// choose the builders "Полный анализ" runs. The dialog is created once at
// start-up and shown without blocking the main window; closing it only hides
// it, so the boxes keep their states for the whole run of the program.
//
// Coupling: checking "Связи слов" checks "Все связи слов" too; unchecking
// "Все связи слов" unchecks "Связи слов" too. Both follow every change of a
// box, by the user or by the program.

#include <QDialog>

#include "analysis/Driver.h"

class QCheckBox;

namespace quillon {

class TForm8 : public QDialog {
    Q_OBJECT

  public:
    explicit TForm8(QWidget* parent = nullptr);

    // The states of the six boxes.
    analysis::AnalysisParameters parameters() const;

    QCheckBox* CheckBox1 = nullptr;  // Полный словник
    QCheckBox* CheckBox2 = nullptr;  // Словник для связей слов
    QCheckBox* CheckBox3 = nullptr;  // Список предложений
    QCheckBox* CheckBox4 = nullptr;  // Все связи слов
    QCheckBox* CheckBox5 = nullptr;  // Связи слов
    QCheckBox* CheckBox6 = nullptr;  // Распределение частот

  public slots:
    void CheckBox4Click();
    void CheckBox5Click();
};

}  // namespace quillon
