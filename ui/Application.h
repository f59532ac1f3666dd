// TApplication: the hidden application window, the message loop, the forms it owns, the standard
// error box, and the hand-over of calls from worker threads to the user-interface thread.
#pragma once
#include <windows.h>

#include <atomic>
#include <deque>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sys/MessageWindow.h"
#include "sys/UniqueWindow.h"
#include "ui/Classes.h"

class TForm;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Creates the application window (titled after the program file) and the hand-over window.
    // The application window owns every form and, once Run shows it, stands for the program in
    // the task bar.
    void Initialize();
    HWND Handle() const { return m_handle.Get(); }
    const std::string& Title() const { return m_title; }

    // Creates a form owned by the application; the first one made is the main form.
    template <class T>
    void CreateForm(T*& reference) {
        reference = Create<T>();
        FormCreated(reference);
    }
    TForm* MainForm() const { return m_mainForm; }

    // Runs the message loop until Terminate (the main form's close) ends it.
    void Run();
    // Takes the program off the screen into its task-bar entry, and brings it back.
    void Minimize();
    void Restore();
    // Handles every pending message until none is left.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return m_terminated; }

    // Reports an error that escaped an event: the installed handler, else the standard box
    // (the text with a full stop, a stop icon, OK, the title as caption). The program goes on.
    // An error raised while a box is open is shown after it.
    void HandleException(const std::exception& error);
    std::function<void(const std::exception& error)> OnException;
    // HandleException of the running application, usable where no object is at hand.
    static void ReportException(const std::exception& error);

    // Runs call on the user-interface thread and waits for it; errors inside are reported
    // there through HandleException. Called on the user-interface thread it runs at once.
    void Synchronize(const std::function<void()>& call);

    // The form whose window is active, or null.
    TForm* ActiveForm() const;

private:
    void FormCreated(TForm* form);
    bool TranslateDialogMessage(MSG& message);
    void ShowError(const std::exception& error);
    void ActivateLastForm();
    static LRESULT CALLBACK ApplicationWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UniqueWindow m_handle;      // the unowned application window of no size: the task-bar entry
    std::optional<TMessageWindow> m_syncWindow;  // runs handed-over calls; made by Initialize
    DWORD m_threadId = 0;
    std::string m_title;
    TForm* m_mainForm = nullptr;  // owned through the component list
    std::atomic<bool> m_terminated{false};  // read by worker threads too
    bool m_handlingException = false;
    std::vector<HWND> m_hiddenByMinimize;  // the forms' windows the minimise hid, top one first
    std::deque<std::string> m_waitingErrors;  // raised while a box was open, shown after it
};

// The one application object of the program.
extern TApplication* Application;

// Formats the standard error box text: the message with a full stop appended, unless it ends in one.
std::string ErrorBoxText(const std::string& message);
