#pragma once
// What the layer tells one observer as it works: the texts it draws, the drawing objects it makes and
// deletes, the check states it announces to screen readers, and the URLs, message boxes and downloads
// that it would hand to the desktop, the user or the network, which the observer may take in their place. The tests' support installs an observer; the
// program installs none, and then the layer does nothing more than its work.

#include "platform/core/Types.h"

#include <cstddef>
#include <string>

namespace layer {

// One text drawn by TextOut or DrawText.
struct DrawnText {
    std::string text;
    int x = 0;       // left of the text, in the context's coordinates (a window's client area)
    int y = 0;       // top of the text
    COLORREF color = 0;
    int fontHeight = 0; // character height in pixels (12 for 9 points at 96 dpi)
    int weight = 0;     // 400 normal, 700 bold
    std::string face;   // the installed font family that drew it
    HWND window = nullptr; // the window painted
};

class Observer {
public:
    virtual ~Observer() = default;

    // Drawn texts are described only while this answers true: describing one costs a font lookup.
    virtual bool WatchesText() const { return false; }
    virtual void TextDrawn(const DrawnText&) {}
    // A drawing object's handle (bitmap, font, brush) came into being, or was deleted.
    virtual void ObjectMade(const void*) {}
    virtual void ObjectDeleted(const void*) {}
    // The program opens a URL: true when the observer takes it, and the desktop is not asked.
    virtual bool OpensUrl(const std::string&) { return false; }
    // A message box: true, with its answer, when the observer takes it in place of the modal box.
    virtual bool AnswersMessageBox(const std::string& /*text*/, UINT /*type*/, int* /*answer*/) { return false; }
    // A download, on the downloading thread: true, with its result, when the observer takes it in place
    // of the network; otherwise it may shorten the real download's time-out and size limit.
    virtual bool Downloads(const std::string& /*url*/, const std::string& /*file*/, LONG* /*result*/) { return false; }
    virtual void LimitDownload(int* /*timeoutMs*/, std::size_t* /*maxBytes*/) {}
    // Screen readers are told that an object of the window now is, or no longer is, checked: a control,
    // or a list's row (by its label).
    virtual void CheckAnnounced(HWND /*window*/, const std::string& /*name*/, bool /*checked*/) {}
};

// Installs the observer (null: none); answers the one before. Safe from any thread; the observer must
// outlive its installation, and its calls may come from a worker thread (Downloads, LimitDownload).
Observer* SetObserver(Observer* observer);
// The observer now, or null.
Observer* CurrentObserver();

} // namespace layer
