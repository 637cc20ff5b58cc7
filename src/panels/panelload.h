#pragma once
// Placeholder: the shared panel loading rule arrives with the text-family panels.
