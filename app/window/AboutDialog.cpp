#include "app/window/AboutDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/about/About.h"
#include "app/window/DesktopLanguage.h"

namespace orvalde {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Name and version, copyright, licence and home page above the licence's
// text and the notices; its own words follow the desktop's language.
class AboutDialog : public QDialog {
public:
    explicit AboutDialog(QWidget* parent) : QDialog(parent) {
        setAttribute(Qt::WA_DeleteOnClose);
        setObjectName("about");
        heading_ = new QLabel(this);
        heading_->setObjectName("aboutHeading");
        heading_->setTextFormat(Qt::RichText);
        heading_->setOpenExternalLinks(true);
        heading_->setTextInteractionFlags(Qt::TextBrowserInteraction);
        notices_ = new QTextBrowser(this);
        notices_->setObjectName("aboutNotices");
        notices_->setOpenExternalLinks(true);
        // Not a standard button: Qt would put its own text back on a switch.
        buttons_ = new QDialogButtonBox(this);
        close_ = buttons_->addButton(QString(), QDialogButtonBox::RejectRole);
        connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto* layout = new QVBoxLayout(this);
        layout->addWidget(heading_);
        layout->addWidget(notices_, 1);
        layout->addWidget(buttons_);
        resize(680, 560);
        translate();
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) translate();
        QDialog::changeEvent(event);
    }

private:
    void translate() {
        const AboutContent& about = About();
        const AboutWords words = AboutWordsIn(DesktopLanguage::current());
        setWindowTitle(QString::fromStdString(words.title));
        const QString homepage = Text(about.homepage).toHtmlEscaped();
        heading_->setText(QString("<h2>%1 %2</h2><p>%3<br>%4<br><a href=\"%5\">%5</a></p>")
                              .arg(Text(about.name).toHtmlEscaped(), Text(about.version).toHtmlEscaped(),
                                   Text(about.copyright).toHtmlEscaped(),
                                   QString::fromStdString(words.released).toHtmlEscaped(), homepage));
        // The licence as a preformatted block, then the notices as written
        // (they carry their own heading).
        notices_->setMarkdown("# " + QString::fromStdString(words.licenceHeading) + "\n\n```text\n" +
                              Text(about.licenceText) + "```\n\n" + Text(about.notices));
        close_->setText(QString::fromStdString(words.close));
    }

    QLabel* heading_;
    QTextBrowser* notices_;
    QDialogButtonBox* buttons_;
    QPushButton* close_;
};

}  // namespace

QDialog* CreateAboutDialog(QWidget* parent) { return new AboutDialog(parent); }

void ShowAboutDialog(QWidget* parent) { CreateAboutDialog(parent)->open(); }

}  // namespace orvalde
