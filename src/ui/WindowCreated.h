#pragma once
// The window's created handler: default selections of both drop-down lists, then the tooltips.
void WindowCreated();
