/* Strings the framework itself loads; every resource script of a program
   built on the framework defines them, in its own language. */
#ifndef VYR_FRAMEWORK_IDS_H
#define VYR_FRAMEWORK_IDS_H

/* The check of a text's length: "Enter no more than %d characters." */
#define IDS_FRAMEWORK_MAX_CHARS 61712

#endif
