#pragma once

#include "core/report/Page.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QScrollArea;
class QSpinBox;

namespace corvane::core::report {

class Report;
class PageView;

// The print preview: one window for the whole run, reused by every report,
// shown beside the modal windows (not modal itself, maximised, always on
// top). It lays the report out page by page, shows the pages at a zoom,
// prints them as many times as its copies box says and saves them as PDF.
class TFichePreview : public QMainWindow {
    Q_OBJECT
public:
    enum class Action { First, Previous, Next, Last, ZoomFit, Zoom100, ZoomWidth, Print, SavePdf, Close };
    enum class State { Ready, Busy, Finished };
    enum class ZoomMode { Fit, Actual, Width, Custom };

    // The program's preview window, created on first use.
    static TFichePreview &instance();

    explicit TFichePreview(QWidget *parent = nullptr);
    ~TFichePreview() override;

    // Shows the window and lays the report out into it, keeping the window
    // responsive; returns once the report is complete (true) or the officer
    // cancelled it (false). The copies box starts at `copies`.
    bool preview(const Report &report, int copies);
    // Shows a document that is already laid out.
    void showDocument(Document doc, int copies);

    bool isAttached() const { return attached_; }
    const Document &document() const { return doc_; }
    State state() const { return state_; }
    int currentPage() const { return page_; }
    double zoom() const { return zoom_; }
    ZoomMode zoomMode() const { return zoomMode_; }
    void setCurrentPage(int page);

    // What a test presses and reads.
    QAction *action(Action a) const;
    QSpinBox *pageBox() const { return pageBox_; }
    QSpinBox *zoomBox() const { return zoomBox_; }
    QSpinBox *copiesBox() const { return copiesBox_; }
    QLabel *copiesLabel() const { return copiesLabel_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override; // Escape clicks "F&ermer"
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolBar();
    void beginShowing(const QString &title, int copies);
    void followModalChain();
    void addPages(const std::vector<Page> &pages);
    void pagesAvailable();
    void updateCaption();
    void updateButtons();
    void detach();
    void requestClose();
    void print();
    void savePdf();
    void goTo(int page);
    void setZoomMode(ZoomMode mode);
    void applyZoom(double zoom);
    void refreshView();
    double fitZoom(ZoomMode mode) const;

    Document doc_;
    QString title_;
    bool attached_ = false;
    bool initialised_ = false;
    bool cancelRequested_ = false;
    State state_ = State::Ready;
    int page_ = 0;
    double zoom_ = 1.0;
    ZoomMode zoomMode_ = ZoomMode::Width;

    QAction *actions_[10] = {};
    QSpinBox *pageBox_ = nullptr;
    QSpinBox *zoomBox_ = nullptr;
    QSpinBox *copiesBox_ = nullptr;
    QLabel *copiesLabel_ = nullptr;
    QScrollArea *scroll_ = nullptr;
    PageView *view_ = nullptr;
};

} // namespace corvane::core::report
