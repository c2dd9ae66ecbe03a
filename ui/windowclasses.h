#pragma once

// Every window class of the window build, for the session's factory.

#include "aboutwindow.h"
#include "assumptionswindow.h"
#include "graphicwindow.h"
#include "mainwindow.h"
#include "reportwindow.h"
#include "selectwindow.h"
#include "splashwindow.h"
#include "summarywindow.h"
