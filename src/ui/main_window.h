#pragma once
// TForm1, the main window: six pages, the main menu and the status bar. It binds
// its controls to the MainState and calls the operations; it holds no logic of its own.
#include <QMainWindow>
#include <memory>

#include "generation/generation_run.h"
#include "platform/services.h"
#include "state/main_state.h"

class QAction;
class QLabel;
class QTabWidget;
class QTimer;

namespace kw {

class ChartPage;
class DatabasePage;
class CartTransfer;
class DrawDownload;
class InternetPage;
class ParameterPage;
class TipPage;
class TForm3;
class TForm5;
class TForm6;
class TForm8;
class TForm9;
class OddsDialog;
class WheelDialog;
class TQKSForm;

// The window's size as designed; the saved size is applied over it. With a title
// bar and a desktop panel it still fits a 1280 x 800 screen, and every page fits it.
inline constexpr int kDesignWidth = 1200;
inline constexpr int kDesignHeight = 720;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Services services, QWidget* parent = nullptr);
    ~TForm1() override;

    MainState& state() { return m_state; }
    Services& services() { return m_services; }
    int Groesse = 0;  // the last height the page area was scaled for

    TipPage* tipPage() const { return m_tipPage; }
    ChartPage* chartPage() const { return m_chartPage; }
    ParameterPage* parameterPage() const { return m_parameterPage; }
    QTimer* Timer1() const { return m_timer1; }
    QTabWidget* pageControl() const { return m_pages; }
    DrawDownload* download() const { return m_download.get(); }
    CartTransfer* cartTransfer() const { return m_cart.get(); }
    TForm3* form3() const { return m_form3; }
    TForm5* form5() const { return m_form5; }
    TForm6* form6() const { return m_form6; }
    TForm8* form8() const { return m_form8; }
    TForm9* form9() const { return m_form9; }
    TQKSForm* qksForm() const { return m_qksForm; }

    // The addresses the banners and the link labels open (configurable in the settings).
    static QString defaultProductPage();
    static QStringList defaultLinks();
    const QString& productPage() const { return m_productPage; }
    // The windows in the order they were made, as the language files visit them.
    QList<QWidget*> languageWindows() const;

public slots:
    void FormCreate();
    void FormShow();
    void FormResize();
    void FormClose();
    void Schlieen1Click();
    void Label43Click();
    void Label52Click(const QString& address);

    // The CurrentDraw.
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    // The draw download.
    void KugelwartClick();
    void Aktualisieren1Click();
    void BitBtn2Click();
    void SpeedButton8Click();
    // The tips.
    int Komplettcheck();
    int Listengewinncheck();
    void Edit1Exit(int edit);
    void Label30Click(int row);
    void SpeedButton11Click();
    void ListenansichtClick();
    void ListenansichtOhneClick();
    void StandardansichtClick();
    void SpeedButton28Click();
    // The statistics charts.
    void SpeedButton2Click();
    void Button5Click();
    void SpeedButton9Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void SpeedButton30Click();
    void SpeedButton29Click();
    void Button8Click();
    void Button6Click();
    void BitBtn20Click();
    void BitBtn21Click();
    void Timer1Timer();
    void Button21Click();  // saves the chart as a PNG picture
    // Keeping the draw history: entry, deletion, export, import.
    void BitBtn8Click();
    void BitBtn4Click();
    void BitBtn3Click();
    void BitBtn10Click();
    // The table of the stored draws: its number filter; a draw made the CurrentDraw.
    void Edit120Change();
    void StringGrid3DblClick(int row);
    // Tip files.
    void SpeedButton15Click();
    void SpeedButton16Click();
    void GewinnzahlenDblClick();
    // The printout of the shown tips, and the tips printed onto a slip.
    void BitBtn7Click();
    void SpeedButton27Click();
    // The generation.
    void BrechnungStart();
    void Berechnen1Click();
    void Label28Click();
    void SpeedButton13Click();
    // The tip search and the historic analyses.
    void SpeedButton4Click();
    void BitBtn9Click();
    void BitBtn19Click();
    // Editing a sheet row with the number selection.
    void TippEdit(int row);
    void Tipp1EditClick() { TippEdit(1); }
    void Tipp2EditClick() { TippEdit(2); }
    void Tipp3EditClick() { TippEdit(3); }
    void Tipp4EditClick() { TippEdit(4); }
    void Tipp5EditClick() { TippEdit(5); }
    void Tipp6EditClick() { TippEdit(6); }
    void Tipp7EditClick() { TippEdit(7); }
    void Tipp8EditClick() { TippEdit(8); }
    void Tipp9EditClick() { TippEdit(9); }
    void Tipp10EditClick() { TippEdit(10); }
    void Tipp11EditClick() { TippEdit(11); }
    void Tipp12EditClick() { TippEdit(12); }
    // The win calculation.
    void auswertungClick();
    // The odds of the shown tips.
    void ChancenBerechnenClick();
    // A wheel of the player's numbers.
    void RadErstellenClick();
    // Handing the tips to an online portal: the web cart and the click scripts.
    void WarenkorbClick();
    void OnlineTippClick();
    // The languages: the saved one at first show, loading one, writing a template.
    void SpracheSetzen();
    bool DateiLaden1Click(const QString& baseFile, const QString& code);
    void Dateispeichern1Click();
    void Deutsch1Click();
    void Englich1Click();
    void Franz1Click();
    void Spanisch1Click();
    void Italenisch1Click();
    void Russisch1Click();
    void rkisch1Click();
    void Niederlndisch1Click();
    void Polnisch1Click();
    void schechisch1Click();
    void Ungarisch1Click();
    void Grischisch1Click();
    void Schwedisch1Click();
    void Norwegisch1Click();
    void Dnisch1Click();
    void Slowakisch1Click();
    void Finnisch1Click();
    void Portugisisch1Click();
    void Chinese1Click();
    // The help menu: the about box and the user guide.
    void UeberKugelwart1Click();
    void Anleitung1Click();

signals:
    // A fresh entry dialog, preset, about to run modally (a test fills and ends it).
    void drawEntryDialogOpened(TForm3* dialog);
    // The win calculation, prepared, about to run modally (a test acts in it and ends it).
    void winCalculationOpened(TForm9* dialog);
    // The odds, computed and shown, about to run modally (a test looks and ends it).
    void oddsOpened(kw::OddsDialog* dialog);
    // The wheel dialog, about to run modally (a test picks, builds and ends it).
    void wheelOpened(kw::WheelDialog* dialog);
    // The slip positioning with the tips, about to run modally.
    void slipDialogOpened(TForm8* dialog);
    // The script chooser, filled, about to run modally (a test acts in it and ends it).
    void scriptChooserOpened(TQKSForm* dialog);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void buildPages();
    void buildStatusBar();
    void createDialogs();
    void showState();
    void showDraw();
    void showUpDown8();
    void bindTips();
    void bindStatistics();
    void bindGeneration();
    void bindMaintenance();
    void bindDrawTable();
    void showDrawTable();
    void bindDownload();
    void bindWinCalculation();
    void bindOdds();
    void bindWheel();
    void bindOnline();
    void bindLanguage();
    void switchLanguage(int number);
    void keepRestCaptions();
    void showDownload();
    void bindAnalyses();
    void showAnalyses();
    RunHooks runHooks();
    void closeIfAsked();
    QString languageBaseFile() const;
    void openAddress(const QString& address);

    Services m_services;
    MainState m_state;
    std::unique_ptr<DrawDownload> m_download;
    std::unique_ptr<CartTransfer> m_cart;
    QTabWidget* m_pages = nullptr;
    TipPage* m_tipPage = nullptr;
    ParameterPage* m_parameterPage = nullptr;
    ChartPage* m_chartPage = nullptr;
    DatabasePage* m_databasePage = nullptr;
    InternetPage* m_internetPage = nullptr;
    QLabel* m_statusPanels[kStatusPanels] = {};
    TForm3* m_form3 = nullptr;
    TForm5* m_form5 = nullptr;
    TForm6* m_form6 = nullptr;
    TForm8* m_form8 = nullptr;
    TForm9* m_form9 = nullptr;
    TQKSForm* m_qksForm = nullptr;
    bool m_shown = false;
    bool m_closeAfterRun = false;
    QTimer* m_timer1 = nullptr;
    QString m_productPage;
    QStringList m_links;
};

}  // namespace kw
