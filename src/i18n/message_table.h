#pragma once
// The indexed table of every text the program composes at run time. An index
// names a position: a language file replaces the whole table line by line.
#include <QString>
#include <QStringList>

namespace kw {

// The entries of the texts the program composes beyond the original table (76 on).
namespace Message {
enum : int {
    LanguageFileMissing = 76,
    PortalCaption,
    TicketOption0,  // the five items of the portal's ticket option group
    TicketOption1,
    TicketOption2,
    TicketOption3,
    TicketOption4,
    // The draw download and the results file.
    DownloadNoSource,
    DownloadNoConnection,
    DownloadBrokenOff,
    DownloadTooLarge,
    DownloadTooManyLines,
    ResultsFileNotLoaded,
    ResultsFileSummary,
    ResultsFileKept,
    ResultsFileRejected,
    NoDrawsLoaded,
    WhereDrawsComeFrom,
    DownloadCaption,
    // The import of draws from a text file and its lines' faults.
    ImportCaption,
    ImportFilter,
    ImportDiffering,
    ImportReplaceQuestion,
    ImportAdded,
    ImportReplaced,
    ImportUnchanged,
    ImportRejected,
    ImportKept,
    ImportFirstRejected,
    RejectedLine,
    LineUnknownFormat,
    LineNotFiveNumbers,
    LineBadDate,
    LineNotANumber,
    LineOutOfRange,
    LineDouble,
    LineBadStar,
    LineDateRepeated,
    // Deleting a draw, the quota server, the web cart.
    DeleteDrawQuestion,
    DeleteDrawCaption,
    NoQuotaServer,
    NoCartAddress,
    ListFillProgress,  // a list filled up to the requested count: rows reached, requested
    // The odds of the shown tips.
    OddsCaption,
    OddsHeading,
    OddsColumnTips,
    OddsColumnRandom,
    OddsBestFive,
    OddsBestFour,
    OddsBestThree,
    OddsAnyWin,
    OddsBelowTwo,
    OddsWinningRows,
    OddsPayout,
    OddsStake,
    OddsReturn,
    OddsTriples,
    OddsPairs,
    OddsDrawsCell,
    OddsNever,
    OddsNoteDuplicates,
    OddsNoteSkipped,
    OddsNoteLoadedQuotas,
    OddsNoteAverageQuotas,
    OddsNoteRandom,
    OddsProgress,
    OddsNoTips,
    OddsSaved,
    OddsNotSaved,
    OddsNoteOneIn,
    // The parameter analysis compared with random tips.
    RandomComparisonHeading,
    RandomComparisonColumns,
    RandomComparisonAllHits,
    RandomComparisonBetter,
    RandomComparisonWorse,
    RandomComparisonWithin,
    // The wheel dialog.
    WheelCaption,
    WheelPicked,
    WheelGuaranteeLabel,
    WheelGuaranteeItem,
    WheelSecondsLabel,
    WheelCompute,
    WheelCancel,
    WheelTake,
    DialogClose,
    WheelSearching,
    WheelRows,
    WheelCost,
    WheelProofHolds,
    WheelProofFails,
    WheelBoundSchoenheim,
    WheelBound,
    WheelSmallest,
    WheelCancelled,
    WheelOddsHeading,
    WheelColumnWheel,
    WheelPickNumbers,
    WheelTooManyRows,
    WheelGuaranteeMeaning,
    // Answers of a server that cannot be taken.
    DownloadUnreadable,
    ResultsFileTooLarge,
    // The help menu: the about box and the user guide.
    AboutCaption,
    AboutVersion,
    AboutLicence,
    AboutDrawServer,
    AboutResultsFile,
    AboutDataFolder,
    AboutProgramFolder,
    GuideMissing,
    // The stored draws on the "Datenbank" page: the table's column titles, the summary
    // of the history (ending with the newest draw's age) and of one number, the
    // table's hint (a table is no control the language files know).
    DrawTableColumns,
    DrawsNone,
    DrawsOne,
    DrawsMany,
    DrawAgeToday,
    DrawAgeYesterday,
    DrawAgeDays,
    DrawAgeFuture,
    DrawsWithNumber,
    DrawsWithNumberNever,
    DrawTableHint,
    // The statistics chart: the texts of its bars, its legend, saving it as a picture.
    ChartBarDrawn,         // number, count
    ChartBarOverdue,       // number, draws
    ChartBarSum,           // sum, count
    ChartBarPair,          // first number, last number, count
    ChartBarTriple,        // first number, last number, count
    ChartBarQuadruple,     // first number, last number, count
    ChartBarPairedWith,    // number, the chosen number, count
    ChartBarExtraOverdue,  // star number, draws
    ChartBarInTips,        // number, count
    ChartLegendPrime,
    ChartLegendNotPrime,
    ChartLegendSums,
    ChartLegendRuns,
    ChartLegendPairedWith,  // the chosen number
    ChartLegendExtra,
    ChartSaveCaption,
    ChartSaveFilter,
    ChartSaved,     // file
    ChartNotSaved,  // file: reason
    // Why a tip cell refused what was typed; a full list that stops the generation.
    CellNotANumber,      // the text typed
    CellOutOfRange,      // the text typed, the largest number
    ListAlreadyReached,  // rows
};
}

class MessageTable {
public:
    static constexpr int kMaxEntryLength = 4096;

    MessageTable();  // the built-in German table

    // Entry n; the empty text at or beyond the end (or below 0), cut to 4096 characters.
    QString text(int index) const;
    int size() const { return static_cast<int>(m_entries.size()); }
    void replaceAll(const QStringList& lines) { m_entries = lines; }

    static QStringList builtIn();
    // The built-in German table, made once.
    static const MessageTable& german();

private:
    QStringList m_entries;
};

}  // namespace kw
