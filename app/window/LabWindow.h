#pragma once
// The laboratory's window: the race drawn from the core's scene, and beside
// it the controls, the parameters and the arrival table. Every decision is
// the shared LabSession's; this only binds Qt's events and widgets to it.

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "lab/LabSession.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace orvalde {

class LabCanvas;

class LabWindow : public QWidget {
public:
    explicit LabWindow(QWidget* parent = nullptr, const LabSetup& setup = DefaultLabSetup());

    LabSession& session() { return session_; }
    QWidget* canvas() const;
    QTableWidget* arrivals() const { return table_; }
    // Brings the controls and the table up to date with the session.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Every text and number format in the program's language (DesktopLanguage).
    void retranslate();
    void frame();
    void applyParameters(LabParameters p);
    void chooseGravity(int index);

    LabSession session_;
    LabCanvas* canvas_ = nullptr;
    QPushButton *release_ = nullptr, *pause_ = nullptr, *reveal_ = nullptr, *step_ = nullptr, *reset_ = nullptr,
                *even_ = nullptr;
    QLabel *paceLabel_ = nullptr, *gravityLabel_ = nullptr, *lengthLabel_ = nullptr, *massLabel_ = nullptr,
           *dampingLabel_ = nullptr, *help_ = nullptr;
    QComboBox *pace_ = nullptr, *gravity_ = nullptr;
    QDoubleSpinBox *length_ = nullptr, *mass_ = nullptr, *damping_ = nullptr;
    QLabel *gravityValue_ = nullptr, *message_ = nullptr, *spread_ = nullptr;
    QTableWidget* table_ = nullptr;
    QTimer timer_;
    QElapsedTimer clock_;
    std::uint64_t shown_ = 0;
    bool updating_ = false;  // the widgets are being set from the session
};

// Opens the laboratory as a window of its own, owned by `owner` (the main
// window), or brings the open one to the front. Returns it.
LabWindow* OpenLaboratory(QWidget* owner);

}  // namespace orvalde
