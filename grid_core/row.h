#pragma once
// The record of one grid row: its height, selection and visibility flags, and
// its place in a tree of rows (the application's rows are all on level 0).

struct TRow {
    int childCount = 0;
    bool Expanded = true;
    bool Selected = false;
    bool shown = true;
    bool Visible = true;
    int Level = 0;
    int height = 16;
    TRow *parent = nullptr;
    // A number that one party outside the grid keeps with the row (0: none);
    // the grid never reads it, and a new row starts with 0.
    unsigned tag = 0;

    // Visible in the grid: neither hidden nor under a collapsed row.
    bool IsVisible() const { return shown && Visible; }
    void AddChild() { ++childCount; }
    void DeleteChild() { --childCount; }
    void Clear() { childCount = 0; }
};
