#pragma once
// The port through which the help hook shows help: the window of the help collection.
namespace quorl {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Whether the help collection was found and opened.
    virtual bool Loaded() const = 0;
    // Shows the page of a context number; false when no page carries that number (the contents
    // page is shown instead).
    virtual bool ShowContext(int id) = 0;
    // Closes every help window.
    virtual void CloseAll() = 0;
};

}  // namespace quorl
