// SPDX-License-Identifier: MIT
#include "ui/window/SettingsTabs.h"

#include <algorithm>

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace vistrel::ui {

QRect settingsPageRect(QSize client, QRect firstTab) {
    const int tabBottom = firstTab.y() + firstTab.height();
    return QRect(firstTab.x() + 1, tabBottom + 2, client.width() - firstTab.x() - 4,
                 client.height() - tabBottom - 5);
}

SettingsTabs::SettingsTabs(QWidget* parent) : QWidget(parent), m_tabBar(new QTabBar(this)) {
    m_tabBar->setUsesScrollButtons(false);
    m_tabBar->setExpanding(false);
    m_tabBar->setDrawBase(false);
    connect(m_tabBar, &QTabBar::currentChanged, this, &SettingsTabs::showSelectedPage);
}

void SettingsTabs::addTab(const QString& caption) {
    m_tabBar->addTab(caption);
    placePages();
}

void SettingsTabs::setPage(int index, QWidget* page) {
    const auto slot = static_cast<std::size_t>(index);
    m_pages.at(slot) = page;
    page->setParent(this);
    placePages();
    page->setVisible(index == m_tabBar->currentIndex());
}

QWidget* SettingsTabs::page(int index) const {
    return m_pages.at(static_cast<std::size_t>(index));
}

QSize SettingsTabs::minimumSizeHint() const {
    const QSize tabs = m_tabBar->sizeHint();
    QSize pages(0, 0);
    for (const QWidget* page : m_pages) {
        if (page != nullptr) {
            pages = pages.expandedTo(page->minimumSizeHint());
        }
    }
    return QSize(std::max(tabs.width() + 4, pages.width() + 5), tabs.height() + 7 + pages.height());
}

void SettingsTabs::resizeEvent(QResizeEvent*) {
    placePages();
}

void SettingsTabs::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int tabBottom = m_tabBar->geometry().bottom() + 1;
    frame.rect = QRect(0, tabBottom, width(), height() - tabBottom);
    frame.tabBarSize = m_tabBar->size();
    frame.tabBarRect = m_tabBar->geometry();
    frame.shape = QTabBar::RoundedNorth;
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

void SettingsTabs::showSelectedPage() {
    for (QWidget* page : m_pages) {
        if (page != nullptr) {
            page->hide();
        }
    }
    const int index = m_tabBar->currentIndex();
    if (index >= 0 && m_pages.at(static_cast<std::size_t>(index)) != nullptr) {
        m_pages.at(static_cast<std::size_t>(index))->show();
    }
}

void SettingsTabs::placePages() {
    m_tabBar->move(0, 0);
    m_tabBar->resize(m_tabBar->sizeHint());
    const QRect firstTab = m_tabBar->count() > 0 ? m_tabBar->tabRect(0) : QRect();
    const QRect where = settingsPageRect(size(), firstTab);
    for (QWidget* page : m_pages) {
        if (page != nullptr) {
            page->setGeometry(where);
        }
    }
}

} // namespace vistrel::ui
