// SPDX-License-Identifier: MIT
#include "ui/about/AboutBox.h"

#include <QIcon>

#include "app/ProgramInfo.h"
#include "ui/about/ProductText.h"
#include "ui/controls/CHotStatic.h"
#include "ui/icons/IconPaths.h"
#include "ui/shell/QtText.h"
#include "ui_AboutBox.h"

namespace vistrel::ui {
namespace {

constexpr int kProgramIconSize = 48;

CHotStatic* makeLink(DocumentOpener& opener, const QString& shown, const QString& target,
                     const QString& name, QWidget* parent) {
    auto* link = new CHotStatic(opener, parent);
    link->setObjectName(name);
    link->setText(shown);
    link->SetTarget(target);
    return link;
}

} // namespace

AboutBox::AboutBox(QWidget* parent, DocumentOpener& opener)
    : QDialog(parent), m_ui(std::make_unique<Ui::AboutBox>()) {
    m_ui->setupUi(this);
    const QIcon programIcon(QString::fromLatin1(icons::kProgram));
    setWindowIcon(programIcon);
    m_ui->programIcon->setPixmap(
        programIcon.pixmap(QSize(kProgramIconSize, kProgramIconSize), devicePixelRatioF()));
    m_ui->productName->setText(qText(kProductName) + qText(kProgramVersion));
    m_ui->secondLine->setText(qText(kSecondLine));

    const QString homePage = qText(kHomePage);
    const QString mailAddress = qText(kMailAddress);
    m_ui->linkLayout->addWidget(
        makeLink(opener, homePage, homePage, QStringLiteral("homePageLink"), this), 0, 1);
    m_ui->linkLayout->addWidget(makeLink(opener, mailAddress,
                                         QStringLiteral("mailto:") + mailAddress,
                                         QStringLiteral("mailLink"), this),
                                1, 1);
}

AboutBox::~AboutBox() = default;

} // namespace vistrel::ui
