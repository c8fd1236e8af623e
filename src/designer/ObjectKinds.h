#pragma once
// The Object menu (also the tree's "Create Object" popup): each entry's text and the type base of the kind
// it creates, in menu order, plus the tree icon of every kind (artwork drawn here, so the tree never lacks
// an icon when the resource set does not have one).

#include <QIcon>
#include <QString>
#include <vector>

struct ObjectMenuEntry {
    int command;       // the command identifier the entry has always had
    const char* text;
    int typeBase;
    bool standardControl;  // listed under "Standard Controls"
};

const std::vector<ObjectMenuEntry>& ObjectMenuEntries();

// The tree icon of the kind whose type base is `typeBase` (0 for the fixed nodes).
QIcon IconForType(int typeBase);
