#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

// A screen of the program: one instance per class, made on first use ("loaded"), shown modeless
// or modal, hidden, or unloaded (destroyed; the next use makes a fresh one).
//
// Screen events keep the desktop semantics the program relies on:
//  - Form_Load once per instance, when it is first used;
//  - Form_Activate when the screen is shown or becomes the active screen coming from another
//    screen of this program (also on the return from a modal screen), but not when a message
//    box or dialog closes and not when the user returns from another application;
//  - Form_Deactivate on the old screen before the new one's Activate, and when the active
//    screen is hidden or unloaded;
//  - Form_QueryUnload(mode, cancel): mode 0 when the user closes the window, 1 when the program
//    unloads the screen; then Form_Unload.
class QEventLoop;

class Screen : public QWidget {
    Q_OBJECT
public:
    enum UnloadMode { UserClosed = 0, ProgramUnload = 1 };

    explicit Screen(QWidget* parent = nullptr);
    ~Screen() override;

    void Show();
    // Shows the screen modal and returns once it has been hidden or unloaded.
    void ShowModal();
    void Hide();
    // Unloads the screen (Form_QueryUnload with mode 1, then Form_Unload); false when the screen
    // cancelled.
    bool Unload();

    bool IsLoaded() const { return loaded_; }

    // Keeps the window wholly inside its screen's available area: at its own size (the one it
    // was made with, or the one the user gave it), grown to what its panels need and no more,
    // never past the area. A maximised window is left alone.
    void FitToScreen();

    // Panels that take turns in one place of the layout: the window is sized for the largest of
    // them, so that it keeps its height whichever one shows.
    void SetAlternatePanels(const QList<QWidget*>& panels);

    // Panels that come and go beside the rest: the window keeps room for them whether they show
    // or not, so that showing one neither grows nor moves the window.
    void SetReservedPanels(const QList<QWidget*>& panels);

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_QueryUnload(int unloadMode, bool& cancel)
    {
        Q_UNUSED(unloadMode);
        Q_UNUSED(cancel);
    }
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class ScreenRegistry;
    void FinishUnload();
    void EndModalLoop();

    void FitSoon();
    void TakeSizing();
    bool Settled() const;
    QSize NeededSize();
    void MeasureReserved();
    QMargins FrameMargins() const;
    // Where the frame goes when the screen is shown: where the user last put a screen of this
    // class in this run, else centred on the available area; wholly inside the area.
    QPoint Place(const QSize& outer) const;
    void MoveFrameTo(const QPoint& place);

    bool loaded_ = false;
    bool unloading_ = false;
    bool fitting_ = false;
    bool fitPending_ = false;
    QSize ownSize_;
    // Sizes the program asked for that the window system has not reported back yet.
    QList<QSize> askedSizes_;
    // Frame places the program asked for that the window system has not reported back yet.
    QList<QPoint> askedPlaces_;
    // Shown, and the window system has not yet framed and placed it.
    bool placing_ = false;
    // Activated since: the frame is as known as it will get.
    bool placeDue_ = false;
    QList<QPointer<QWidget>> panels_;
    QList<QPointer<QWidget>> reserved_;
    // The least size with every reserved panel showing, measured while the window is hidden.
    QSize reservedSize_;
    QEventLoop* modalLoop_ = nullptr;
};

// The loaded screens in the order of loading, and the program's own idea of the active one.
class ScreenRegistry {
public:
    static ScreenRegistry& Instance();

    void Register(Screen* screen);
    void Forget(Screen* screen);
    const std::vector<Screen*>& Loaded() const { return loaded_; }
    bool IsLoaded(const Screen* screen) const;

    Screen* Active() const { return active_; }
    // Makes the screen the active one: Deactivate of the old, Activate of the new.
    void Activate(Screen* screen);
    // Looks, once the pending events are handled, whether the user made another screen the
    // active window.
    void CheckActiveWindowSoon();
    // The screen no longer active (hidden or unloaded while active).
    void Deactivate(Screen* screen);

    // Unloads every loaded screen, newest first (program end).
    void UnloadAll();

    // Runs a loaded screen's Form_Load (the first use of an instance).
    static void Load(Screen* screen);

private:
    std::vector<Screen*> loaded_;
    Screen* active_ = nullptr;
    bool checkPending_ = false;
};

// The one instance of a screen class, loaded on first use.
template <typename T>
T& ScreenInstance()
{
    static QPointer<T> instance;
    if (!instance || !ScreenRegistry::Instance().IsLoaded(instance.data())) {
        instance = new T();
        ScreenRegistry::Load(instance.data());
    }
    return *instance;
}

template <typename T>
bool IsScreenLoaded()
{
    for (Screen* screen : ScreenRegistry::Instance().Loaded())
        if (dynamic_cast<T*>(screen))
            return true;
    return false;
}
