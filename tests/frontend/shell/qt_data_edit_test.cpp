// The numeric field widget: label with units, limits, Enter, the operator-key rule and
// keeping the focus while the entry is invalid.
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "project/message_layer.h"
#include "shell/data_edit.h"

using corvex::TDataEdit;

class DataEditTest : public QObject {
  Q_OBJECT

 private slots:
  void labelShowsCaptionAndUnitOfTheSystem();
  void enterReplacesTheExpressionByItsValue();
  void operatorAfterSelectAllExtendsTheValue();
  void valueAboveTheLimitIsReportedAndClamped();
  void integerOnlyRefusesAFraction();
  void invalidEntryKeepsTheFocus();
};

void DataEditTest::labelShowsCaptionAndUnitOfTheSystem() {
  TMessageRecorder messages;
  QWidget window;
  auto* label = new QLabel(&window);
  auto* edit = new TDataEdit(messages, &window);
  edit->SetEditLabel(label);
  edit->SetCaption("2. Undrained Shear Strength");
  edit->SetUnitsString("F/L2^2");
  QCOMPARE(label->text(), QString("2. Undrained Shear Strength (lbs/ft^2)"));
  QCOMPARE(label->buddy(), edit);
  edit->SetUnits(2);
  QCOMPARE(label->text(), QString("2. Undrained Shear Strength (kN/m^2)"));
  edit->SetUnitsString("");
  QCOMPARE(label->text(), QString("2. Undrained Shear Strength"));
  edit->setEnabled(false);
  QVERIFY(!label->isEnabled());
  QCOMPARE(edit->text(), QString("0"));  // initial text
}

void DataEditTest::enterReplacesTheExpressionByItsValue() {
  TMessageRecorder messages;
  TDataEdit edit(messages);
  edit.show();
  edit.setText("2*12.5+sqrt(16)");  // 25 + 4
  QTest::keyClick(&edit, Qt::Key_Return);
  QCOMPARE(edit.text(), QString("29"));
  QCOMPARE(edit.selectedText(), QString("29"));
  QVERIFY(edit.Valid());
  QVERIFY(messages.Entries.empty());
}

void DataEditTest::operatorAfterSelectAllExtendsTheValue() {
  TMessageRecorder messages;
  TDataEdit edit(messages);
  edit.show();
  edit.SetNumber(5);
  edit.selectAll();
  QTest::keyClicks(&edit, "*3");
  QCOMPARE(edit.text(), QString("5*3"));
  QTest::keyClick(&edit, Qt::Key_Enter);
  QCOMPARE(edit.text(), QString("15"));
  // A digit typed over the selection replaces it as usual.
  edit.selectAll();
  QTest::keyClicks(&edit, "7");
  QCOMPARE(edit.text(), QString("7"));
}

void DataEditTest::valueAboveTheLimitIsReportedAndClamped() {
  TMessageRecorder messages;
  TDataEdit edit(messages);
  edit.SetMinVal(0.001);
  edit.SetMaxVal(10);
  edit.show();
  edit.setText("20");
  QVERIFY(!edit.ExitCheck());
  QCOMPARE(edit.text(), QString("10"));
  QCOMPARE(messages.Entries.size(), std::size_t(1));
  QCOMPARE(messages.Entries[0].Kind, TMessageKind::Information);
  QCOMPARE(QString::fromStdString(messages.Entries[0].Text), QString("Entry must be less than or equal to 10"));
}

void DataEditTest::integerOnlyRefusesAFraction() {
  TMessageRecorder messages;
  TDataEdit edit(messages);
  edit.SetIntegerOnly(true);
  edit.setText("2.5");
  QVERIFY(!edit.ExitCheck());
  QCOMPARE(QString::fromStdString(messages.Entries.at(0).Text), QString("Entry must be an integer."));
}

void DataEditTest::invalidEntryKeepsTheFocus() {
  TMessageRecorder messages;
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* edit = new TDataEdit(messages, &window);
  auto* other = new QLineEdit(&window);
  layout->addWidget(edit);
  layout->addWidget(other);
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  edit->setFocus();
  QTRY_VERIFY(edit->hasFocus());
  edit->setText("abc");
  other->setFocus(Qt::TabFocusReason);
  QTRY_VERIFY(edit->hasFocus());
  QCOMPARE(messages.Entries.size(), std::size_t(1));
  QCOMPARE(QString::fromStdString(messages.Entries[0].Text),
           QString("Entry could not be evaluated:\rinvalid character(s) in expression"));
  // A valid entry lets the focus go.
  edit->setText("3");
  other->setFocus(Qt::TabFocusReason);
  QTRY_VERIFY(other->hasFocus());
  QCOMPARE(messages.Entries.size(), std::size_t(1));
}

QTEST_MAIN(DataEditTest)
#include "qt_data_edit_test.moc"
