#pragma once

// The operations of the main window that the parts of the program call on
// each other. The main window implements them by forwarding to the part that
// owns each one, so the parts need not know one another.
class WindowOps
{
public:
    virtual ~WindowOps() = default;

    // All lamps off: the current lamp state becomes 0 and the views show their base pictures.
    virtual void lichtAus() = 0;
    // Shows the first selected row of the active table on the car views.
    virtual void showRow() = 0;
    // Appends the current lamp state as a new row with the slider's interval.
    virtual void appendStep() = 0;
    // Brings the vehicle options to the vehicle and option string of the
    // document just opened (nothing where there are no options to follow).
    virtual void applyDocumentVehicle() {}
    // Lays the window out for the current vehicle (pictures, lamp areas, plates, title).
    virtual void modellauswahl() = 0;
    // Refreshes the window caption from the document name and the vehicle title.
    virtual void refreshCaption() = 0;
};
