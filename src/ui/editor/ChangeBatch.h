#pragma once

class SheetEditor;

// Coalesces the edits of one user action into one change report.
class ChangeBatch
{
public:
    explicit ChangeBatch(SheetEditor &editor);
    ~ChangeBatch();
    ChangeBatch(const ChangeBatch &) = delete;
    ChangeBatch &operator=(const ChangeBatch &) = delete;

private:
    SheetEditor &m_editor;
};
