#include "controls/CAboutDlg.h"

#include "controls/CLinkStatic.h"
#include "controls/CStyledLabel.h"
#include "controls/DialogPlacement.h"
#include "strings/StringTable.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int kIconSize = 32;

CLinkStatic* Link(StringId text, const char* target, QWidget* parent) {
    auto* link =
        new CLinkStatic(StringText(text), QString::fromUtf8(target), StaticStyle::Left, parent);
    link->SetUnderlined(false);
    return link;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(StringText(StringId::AboutCaption));

    auto* icon = new QLabel(this);
    icon->setPixmap(
        QPixmap(QStringLiteral(":/pictures/lexado.png"))
            .scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* version = new CStyledLabel(StringText(StringId::AboutVersion), StaticStyle::Left, this);
    version->setObjectName(QStringLiteral("version"));
    version->SetPointSize(10);
    auto* copyright =
        new CStyledLabel(StringText(StringId::AboutCopyright), StaticStyle::Left, this);
    copyright->setObjectName(QStringLiteral("copyright"));
    copyright->SetPointSize(9);
    CLinkStatic* homePage = Link(StringId::AboutHomePage, LEXADO_HOME_PAGE, this);
    homePage->setObjectName(QStringLiteral("homePage"));
    CLinkStatic* mail = Link(StringId::AboutWriteToAuthor, LEXADO_MAIL, this);
    mail->setObjectName(QStringLiteral("mail"));
    auto* ok = new QPushButton(StringText(StringId::ButtonOk), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // The icon at the left, the four lines beside it, the button at the bottom right.
    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setContentsMargins(22, 15, 11, 11);
    grid->setHorizontalSpacing(44);
    grid->setVerticalSpacing(14);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(version, 0, 1, Qt::AlignLeft);
    grid->addWidget(copyright, 1, 1, Qt::AlignLeft);
    grid->addWidget(homePage, 2, 1, Qt::AlignLeft);
    grid->addWidget(mail, 3, 1, Qt::AlignLeft);
    grid->addWidget(ok, 3, 2, Qt::AlignRight | Qt::AlignBottom);

    CenterOnScreen(this);
}
