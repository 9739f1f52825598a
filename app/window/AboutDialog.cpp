#include "app/window/AboutDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/about/About.h"

namespace orvalde {
namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QDialog* CreateAboutDialog(QWidget* parent) {
    const AboutContent& about = About();
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName("about");
    dialog->setWindowTitle("About " + Text(about.name));

    auto* heading = new QLabel(dialog);
    heading->setObjectName("aboutHeading");
    heading->setTextFormat(Qt::RichText);
    heading->setOpenExternalLinks(true);
    heading->setTextInteractionFlags(Qt::TextBrowserInteraction);
    const QString homepage = Text(about.homepage).toHtmlEscaped();
    heading->setText(QString("<h2>%1 %2</h2><p>%3<br>Released under the %4 licence.<br><a href=\"%5\">%5</a></p>")
                         .arg(Text(about.name).toHtmlEscaped(), Text(about.version).toHtmlEscaped(),
                              Text(about.copyright).toHtmlEscaped(), Text(about.licenceName).toHtmlEscaped(),
                              homepage));

    // The licence as a preformatted block, then the notices as written.
    auto* notices = new QTextBrowser(dialog);
    notices->setObjectName("aboutNotices");
    notices->setOpenExternalLinks(true);
    notices->setMarkdown("# Licence\n\n```text\n" + Text(about.licenceText) + "```\n\n" + Text(about.notices));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(heading);
    layout->addWidget(notices, 1);
    layout->addWidget(buttons);
    dialog->resize(680, 560);
    return dialog;
}

void ShowAboutDialog(QWidget* parent) { CreateAboutDialog(parent)->open(); }

}  // namespace orvalde
