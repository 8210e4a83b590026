#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <QtTest/QtTest>

class QAction;
class QComboBox;
class QWidget;

namespace gui_test {

// What a modal box showed before the watcher closed it.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Closes every modal box shortly after it opens and records it, so that a test that opens
// one by accident fails instead of blocking forever.
class ModalBoxWatcher : public QObject {
    Q_OBJECT

public:
    ModalBoxWatcher();
    // The boxes seen since the last call.
    QList<SeenBox> take();

private:
    void closeModalBox();
    QTimer timer_;
    QList<SeenBox> seen_;
};

// Closes every top-level window and lets Qt delete those that delete themselves on close.
void closeAllWindows();

// Triggers the menu item named `name` of `window`, as a click on it does.
void chooseMenuItem(QWidget *window, const char *name);

// Opens the drop-down of `list`, clicks item `index` and lets the list close.
void chooseListItem(QComboBox *list, int index);

// Replaces the text of an editable list's field by typing, as a user does.
void typeIntoList(QComboBox *list, const QString &text);

// Runs the tests of `TestClass` with one QApplication on the offscreen platform (unless a
// platform is chosen already) and the program icon set.
int runGuiTests(int argc, char *argv[], QObject *tests);

} // namespace gui_test

#define ZENDREL_GUI_TEST_MAIN(TestClass)                                                    \
    int main(int argc, char *argv[]) {                                                      \
        TestClass tests;                                                                    \
        return gui_test::runGuiTests(argc, argv, &tests);                                   \
    }
