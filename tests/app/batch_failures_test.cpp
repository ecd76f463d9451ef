// What the main window says about items a batch or its undo could not rename: a
// failed row names its cause in its tooltip for as long as it carries the failed
// mark, and each item the undo cannot put back gets its message at once, with the
// normal cursor, while the undo under the hourglass goes on afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <functional>
#include <optional>

#include "app/main_window_fixture.h"
#include "execution/execution_messages.h"
#include "execution/move_plan.h"
#include "ui/qt_text.h"

namespace nalo::test {
namespace {

using BatchFailuresTest = TMainWindowFixture;

int RowOf(const TFMainFrm& w, const std::string& name) {
  for (std::size_t i = 0; i < w.Entries().Count(); ++i) {
    if (w.Entries().EntryAt(i).Name == name) return static_cast<int>(i);
  }
  return -1;
}

QString NameTip(const TFMainFrm& w, int row) {
  QAbstractItemModel* model = w.ListView1->model();
  return model->data(model->index(row, 0), Qt::ToolTipRole).toString();
}

// Puts another file in place of `name` (a new item, never the same inode).
void ReplaceItem(const QString& folder, const QString& name) {
  MakeItems(folder, {QStringLiteral("new-one")});
  QDir dir(folder);
  ASSERT_TRUE(dir.remove(name));
  ASSERT_TRUE(dir.rename(QStringLiteral("new-one"), name));
}

struct TCauseCase {
  const char* name;
  std::function<void(const QString& folder)> while_confirming;  // after the scan
  std::string cause;
};

TEST_F(BatchFailuresTest, AFailedRowNamesItsCauseWhileItCarriesTheMark) {
  const TCauseCase cases[] = {
      {"target made after the scan",
       [](const QString& folder) { MakeItems(folder, {QStringLiteral("c-3.txt")}); },
       "同じ名前の項目が既にあります"},
      {"item swapped after the scan",
       [](const QString& folder) { ReplaceItem(folder, QStringLiteral("c_3.txt")); },
       std::string(kMsgItemReplaced)},
  };
  for (const TCauseCase& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir data;
    MakeItems(data.path(), {"a_1.txt", "b_2.txt", "c_3.txt"});
    auto w = Open(data.path());
    SetStringRule(*w, "_", "-");
    messenger_.Messages.clear();
    messenger_.OnExec = [&](QDialog& d) {
      if (qobject_cast<TFresult*>(&d) == nullptr) return static_cast<int>(QDialog::Rejected);
      c.while_confirming(data.path());
      return static_cast<int>(QDialog::Accepted);
    };
    w->btn_ActionClick();
    const int failed = RowOf(*w, "c_3.txt");
    ASSERT_GE(failed, 0);
    ASSERT_EQ(w->Entries().EntryAt(static_cast<std::size_t>(failed)).State, kStateFailed);
    EXPECT_EQ(NameTip(*w, failed), QStringLiteral("c_3.txt\n") + FromUtf8(c.cause));
    EXPECT_EQ(NameTip(*w, RowOf(*w, "a-1.txt")), QStringLiteral("a-1.txt"));
    // The batch's own report is left as it was.
    const std::vector<QString> warnings = messenger_.TextsOf("warn");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(warnings[0].startsWith(FromUtf8(RenameFailureMessage(1))));

    // Sorting moves the rows; the cause stays with its entry.
    const int before = RowOf(*w, "c_3.txt");
    w->ListView1ColumnClick(0);
    if (RowOf(*w, "c_3.txt") == before) w->ListView1ColumnClick(0);
    const int moved = RowOf(*w, "c_3.txt");
    ASSERT_NE(moved, before);
    EXPECT_EQ(NameTip(*w, moved), QStringLiteral("c_3.txt\n") + FromUtf8(c.cause));
    EXPECT_FALSE(NameTip(*w, before).contains(FromUtf8(c.cause)));

    // A new listing clears the marks, and the cause goes with them.
    w->R1Click();
    ASSERT_GE(RowOf(*w, "c_3.txt"), 0);
    EXPECT_EQ(NameTip(*w, RowOf(*w, "c_3.txt")), QStringLiteral("c_3.txt"));
  }
}

// What the messenger saw when a message came.
struct TMessageMoment {
  QString Text;
  std::optional<Qt::CursorShape> Cursor;   // the cursor shown with the message
  std::optional<Qt::CursorShape> Beneath;  // the one that comes back after it
  bool MiddleItemBack = false;             // b-2.txt was already put back
};

std::optional<Qt::CursorShape> OverrideShape() {
  const QCursor* cursor = QApplication::overrideCursor();
  if (cursor == nullptr) return std::nullopt;
  return cursor->shape();
}

class TMomentMessenger : public TFakeMessenger {
 public:
  QString Folder;
  std::vector<TMessageMoment> Moments;

  void Warn(QWidget* parent, const QString& text) override {
    TFakeMessenger::Warn(parent, text);
    TMessageMoment moment{text, OverrideShape(), std::nullopt, Exists(Folder, "b_2.txt")};
    if (moment.Cursor) {  // look beneath the message's cursor, then put it back
      QApplication::restoreOverrideCursor();
      moment.Beneath = OverrideShape();
      QApplication::setOverrideCursor(*moment.Cursor);
    }
    Moments.push_back(moment);
  }
};

TEST_F(BatchFailuresTest, EachRefusedUndoIsToldAtOnceWithTheNormalCursor) {
  MakeItems(Data(), {"a_1.txt", "b_2.txt", "c_3.txt"});
  TMomentMessenger messenger;
  messenger.Folder = Data();
  messenger.OnExec = [](QDialog& d) {
    return static_cast<int>(qobject_cast<TFresult*>(&d) != nullptr ? QDialog::Accepted
                                                                   : QDialog::Rejected);
  };
  auto w = OpenMainWindow(settings_.path(), messenger, Data());
  SetStringRule(*w, "_", "-");
  w->btn_ActionClick();
  ASSERT_TRUE(Exists(Data(), "b-2.txt"));
  MakeItems(Data(), {"a_1.txt", "c_3.txt"});  // the first and last cannot go back

  w->btn_ReturnClick();
  const QString dir = Data() + "/";
  ASSERT_EQ(messenger.Moments.size(), 2u);
  EXPECT_EQ(messenger.Moments[0].Text,
            FromUtf8(UndoFailureMessageUtf8((dir + "a-1.txt").toStdString(),
                                            (dir + "a_1.txt").toStdString())));
  EXPECT_FALSE(messenger.Moments[0].MiddleItemBack) << "told before the next item was tried";
  EXPECT_TRUE(messenger.Moments[1].MiddleItemBack);
  EXPECT_TRUE(messenger.Moments[1].Text.startsWith(dir + "c-3.txt を、\r"));
  for (const TMessageMoment& m : messenger.Moments) {
    EXPECT_EQ(m.Cursor, Qt::ArrowCursor);
    EXPECT_EQ(m.Beneath, Qt::WaitCursor);
  }
  EXPECT_EQ(OverrideShape(), std::nullopt);
  EXPECT_TRUE(Exists(Data(), "b_2.txt"));
  EXPECT_TRUE(Exists(Data(), "a-1.txt"));
  EXPECT_FALSE(w->btn_Return->isEnabled());
  EXPECT_EQ(messenger.TextsOf("warn").size(), 2u) << "no message repeated after the undo";
}

}  // namespace
}  // namespace nalo::test
