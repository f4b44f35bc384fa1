#pragma once
// The web cart: the maker's service answers a cart link template for this game and
// the chosen portal; the template is filled with the shown tips (one link per twelve
// tips in the list view) and each link is opened in the browser, where the user
// checks the tips and pays.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "i18n/message_table.h"

namespace kw {

class HttpCall;
class MainState;
struct HttpResponse;
struct Services;

// The portal's own page, opened when the service is not set, cannot be reached or
// answers no template: it leads to the portal without tips.
inline const QString kDefaultCartLink = QStringLiteral("https://www.lottoland.com/");
inline const QString kCartCheckStatus = QStringLiteral("Überprüfen Sie den Tipp im Warenkorb!!!");
inline constexpr int kCartBatch = 12;
inline constexpr int kCartPauseMs = 2000;  // between the links of the list view
inline constexpr int kCartStatusEntry = 73;
inline constexpr qint64 kCartAnswerMaxBytes = 1024 * 1024;

// The tips as the user clicked: changes made while the links open one after the
// other do not reach the cart.
struct CartTips {
    bool list = false;
    QStringList lines;               // the list view's lines
    int rowCount = 0;                // the row-count control UpDown8
    std::array<QString, 12> rows{};  // each sheet row's five numbers joined by ","
};
CartTips cartTips(const MainState& state);
// The number of tips the request, the standard view's template and the portal
// dialog's costs count: the list's line count, else the row-count control.
int cartTipCount(const CartTips& tips);

// server (with its scheme; "http://" when it has none) + "/lotto/lotto.asp?Spiel=KleinPL
// &Wo=" + portal + "&Tipps=" + count.
QString cartRequestUrl(const QString& server, const QString& portal, int tipCount);

// text with the first occurrence of placeholder replaced by value.
QString replaceFirst(const QString& text, const QString& placeholder, const QString& value);
// A list line as its box receives it: the first run of three TABs taken out (a star
// number after it keeps one TAB before it, so that it never runs into the fifth
// number), every TAB made ",".
QString cartBoxText(const QString& line);
// The filled links: in the list view one per twelve lines ("[Anzahl]" the batch size,
// boxes past the last line ",,,,,"), else one with "Tipps=[Anzahl]" and the twelve
// rows. Each placeholder is filled at its first occurrence only.
QStringList fillCartLinks(const QString& linkTemplate, const CartTips& tips);

// What the service's answer means.
struct CartAnswer {
    enum class Kind {
        Template,  // a link to fill
        Message,   // a notice of the service, to be shown as "Meldung.htm"
        Fallback,  // no template: the fallback link; reason says why
    };
    Kind kind = Kind::Fallback;
    QString linkTemplate;
    QByteArray page;
    QString reason;
};
// An answer with a status from 400 on is a message when it contains "Mitteilung";
// any other failure, and an answer that is no http(s) link, gives the fallback.
CartAnswer readCartAnswer(const HttpResponse& response,
                          const MessageTable& messages = MessageTable::german());
// The service's message as a page that shows its text and runs nothing of it: the
// markup is taken out and the text written escaped, under a policy that forbids
// scripts, so a page opened from the data folder cannot act on the user's files.
QByteArray messagePage(const QByteArray& answer);

// WarenkorbClick: asks the service for the template (in the background of the event
// loop), then opens the links one after the other, a pause between two, with the
// status texts. Destroying it, or cancel(), ends the transfer: nothing more is opened.
class CartTransfer : public QObject {
    Q_OBJECT
public:
    CartTransfer(MainState& state, Services& services, QObject* parent = nullptr);
    ~CartTransfer() override;

    // Runs after each link of the list view is opened (the portal dialog's ticket number).
    std::function<void()> afterListLink;
    int pause = kCartPauseMs;

    // Does nothing while a transfer runs.
    void start();
    void cancel();
    bool running() const { return m_running; }
    // The links opened by the last transfer so far.
    const QStringList& opened() const { return m_opened; }

signals:
    void runningChanged(bool running);

private:
    void answered(const HttpResponse& response);
    void showMessage(const QByteArray& page);
    void fill(const QString& linkTemplate, bool fallback);
    void openNext();
    void finish();

    MainState& m_state;
    Services& m_services;
    CartTips m_tips;
    std::unique_ptr<HttpCall> m_call;
    QTimer m_pause;
    QStringList m_links;
    QStringList m_opened;
    bool m_running = false;
};

}  // namespace kw
