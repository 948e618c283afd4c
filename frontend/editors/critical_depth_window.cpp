#include "editors/critical_depth_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "project/program_data.h"
#include "shell/data_edit.h"
#include "shell/main_form.h"

namespace corvex {

TDlgBlock::TDlgBlock(TMainForm& main, QWidget* parent) : TEditorWindow(main, parent) {
  setObjectName("DlgBlock");
  setWindowTitle("Critical Depths Used by US Army Method");
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox("User Options", this);
  auto* g = new QGridLayout(group);
  const char* captions[3] = {"Original Recommendations (10 to 20 Pile Diameter based on the Density).",
                             "Critical Depth at the  Effective Stress Reaching 3500 psf or 185 kPa.",
                             "User-Specified Critical Depth"};
  for (int i = 0; i < 3; ++i) {
    Options[i] = new QRadioButton(captions[i], group);
    g->addWidget(Options[i], i, 0);
    connect(Options[i], &QRadioButton::clicked, this, [this] {
      ShowField();
      MarkModified();
    });
  }
  DepthField = NewField("", "L2");
  g->addWidget(DepthField, 2, 1);
  g->addWidget(DepthField->EditLabel(), 2, 2);
  layout->addWidget(group);
  auto* close = new QPushButton("Close", this);
  connect(close, &QPushButton::clicked, this, [this] { CloseWindow(); });
  layout->addWidget(close, 0, Qt::AlignRight);
  FormActivate();
}

void TDlgBlock::ShowField() {
  const bool user = Options[2]->isChecked();
  DepthField->setVisible(user);
  DepthField->EditLabel()->setVisible(user);
}

void TDlgBlock::LoadControls() {
  const TProgramData& p = Project();
  DepthField->SetUnits(p.Units);
  if (p.CriticalDepthMode >= 0 && p.CriticalDepthMode <= 2) Options[p.CriticalDepthMode]->setChecked(true);
  DepthField->SetNumber(p.CriticalDepth);
  ShowField();
}

void TDlgBlock::StoreControls() {
  TProgramData& p = Project();
  for (int i = 0; i < 3; ++i)
    if (Options[i]->isChecked()) p.CriticalDepthMode = i;
  p.CriticalDepth = DepthField->Number();
}

}  // namespace corvex
