#include "analysis/TForm8.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace quillon {
namespace {

QCheckBox* box(QDialog* form, QVBoxLayout* layout, const QString& caption, const char* name) {
    auto* b = new QCheckBox(caption, form);
    b->setObjectName(QLatin1String(name));
    b->setChecked(true);
    layout->addWidget(b);
    return b;
}

}  // namespace

TForm8::TForm8(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm8"));
    setWindowTitle(QStringLiteral("Параметры анализа"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    CheckBox1 = box(this, layout, QStringLiteral("Полный словник"), "CheckBox1");
    CheckBox2 = box(this, layout, QStringLiteral("Словник для связей слов"), "CheckBox2");
    CheckBox3 = box(this, layout, QStringLiteral("Список предложений"), "CheckBox3");
    CheckBox4 = box(this, layout, QStringLiteral("Все связи слов"), "CheckBox4");
    CheckBox5 = box(this, layout, QStringLiteral("Связи слов"), "CheckBox5");
    CheckBox6 = box(this, layout, QStringLiteral("Распределение частот"), "CheckBox6");
    // A fixed single border: the dialog keeps the size of its boxes.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(CheckBox4, &QCheckBox::toggled, this, &TForm8::CheckBox4Click);
    connect(CheckBox5, &QCheckBox::toggled, this, &TForm8::CheckBox5Click);
}

analysis::AnalysisParameters TForm8::parameters() const {
    analysis::AnalysisParameters p;
    p.fullVocabulary = CheckBox1->isChecked();
    p.networkVocabulary = CheckBox2->isChecked();
    p.sentences = CheckBox3->isChecked();
    p.allPairs = CheckBox4->isChecked();
    p.pairs = CheckBox5->isChecked();
    p.distribution = CheckBox6->isChecked();
    return p;
}

void TForm8::CheckBox4Click() {
    if (!CheckBox4->isChecked()) {
        CheckBox5->setChecked(false);
    }
}

void TForm8::CheckBox5Click() {
    if (CheckBox5->isChecked()) {
        CheckBox4->setChecked(true);
    }
}

}  // namespace quillon
