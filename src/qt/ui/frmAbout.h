#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace bmd::ui {

// Product name, logo, version and the maker's notice; OK, Enter or Esc close it.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(QWidget* owner, int year);

    QLabel* CopyrightLabel() const { return lblCopyright; }

    // Shows the window modally over its owner with this year's notice.
    static void ShowModal(QWidget* owner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* lblCopyright = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace bmd::ui
