// The main window's online transfer: the web cart from the tip page's button
// "Warenkorb" with the portal dialog, and the click scripts for the web robot
// (their button and menu item are hidden in this game).
#include <QAction>
#include <QPushButton>

#include "online/click_export.h"
#include "online/web_cart.h"
#include "ui/dialog_windows.h"
#include "ui/main_window.h"
#include "ui/tip_page.h"

namespace kw {

void TForm1::bindOnline()
{
    m_cart = std::make_unique<CartTransfer>(m_state, m_services);
    // Each link of the list view gets its own ticket number, drawn and confirmed at once.
    m_cart->afterListLink = [this] {
        m_form5->setModal(false);
        m_form5->show();
        m_form5->SpeedButton2Click();
        m_form5->BitBtn3Click();
    };
    auto* cart = m_tipPage->findChild<QPushButton*>(QStringLiteral("Warenkorb"));
    cart->setEnabled(true);
    connect(cart, &QPushButton::clicked, this, &TForm1::WarenkorbClick);
    // The links of one transfer open one after the other; a second one waits for its end.
    connect(m_cart.get(), &CartTransfer::runningChanged, cart,
            [cart](bool running) { cart->setEnabled(!running); });

    auto* robot = m_tipPage->findChild<QPushButton*>(QStringLiteral("OnlineTipp"));
    robot->setEnabled(true);
    connect(robot, &QPushButton::clicked, this, &TForm1::OnlineTippClick);
    auto* menu = findChild<QAction*>(QStringLiteral("Abgeben1"));
    menu->setEnabled(true);
    connect(menu, &QAction::triggered, this, &TForm1::OnlineTippClick);
}

void TForm1::WarenkorbClick()
{
    if (m_cart->running()) return;
    m_form5->setPortalName(m_state.Lottoportal);
    m_form5->Tipp = cartTipCount(cartTips(m_state));
    m_cart->start();
}

void TForm1::OnlineTippClick()
{
    exportClickScripts(m_state, m_services, [this](RobotParameters& parameters) {
        m_qksForm->setParameters(parameters);
        emit scriptChooserOpened(m_qksForm);
        const bool chosen = m_qksForm->exec() == QDialog::Accepted;
        parameters = m_qksForm->parameters();
        return chosen;
    });
}

}  // namespace kw
