0VERSION 1.0
Begin Form frmCaptionAlignments
   Caption         =   "Caption alignments"
   ScaleMode       =   1
   ClientWidth     =   9360
   ClientHeight    =   4680
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
   EndProperty
   Begin VNTabCtl tabAlign0
      Left            =   120
      Top             =   120
      Width           =   3000
      Height          =     96
      NumTabs         =   2
      TabCaption1     =   "Middle &Right"
      TabCaption2     =   "&Other"
   End
   Begin VNTabCtl tabAlign5
      Left            =   6240
      Top             =   1620
      Width           =   3000
      Height          =   1440
      TabCaptionAlign =   5
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   8
      EndProperty
      TabHeight       =   40
      TabWidth        =   96
      NumTabs         =   2
      TabCaption1     =   "Bottom &Right"
      TabCaption2     =   "&Other"
   End
   Begin VNTabCtl tabAlign6
      Left            =   120
      Top             =   3120
      Width           =   3000
      Height          =   1440
      TabCaptionAlign =   6
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   8
      EndProperty
      TabHeight       =   40
ight          =   1440
      TabCaptionAlign =   2
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   8
      EndProperty
      TabHeight       =   40
      TabWidth        =   96
      NumTabs         =   2
      TabCaption1     =   "Bottom &Left"
      TabCaption2     =   "&Other"
   End
   Begin VNTabCtl tabAlign6
      Left            =   120
      Top             =   1620
      Width           =   3000
      Height          =   1440
      TabCaptionAlign =   3
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   8
      EndProperty
      TabHeight       =   40
      TabWidth        =   96
      NumTabs         =   2
      TabCaption1     =   "Top &Right"
      TabCaption2     =   "&Other"
   End
   Begin VNTabCtl tabAlign4
      Left            =   3180
      Top             =   1620
      Width           =   3000
      Height          =   1440
      TabCaptionAlign =   4
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   8
      EndProperty
      TabHeight       =   40
      TabWidth        =   96
      NumTabs         =   2
      TabCaption1     =   "Middle &Right"
      TabCaption2     =   "&Other"
   End
   Begin VNTabCtl tabAlign5
      Left            =   6240
      Top             =   1620
      Width           =   3000
      Height          =   1440
      TabCaptionAlign =   5
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   8
      EndProperty
      TabHeight       =   40
      TabWidth        =   96
      NumTabs         =   2
      TabCaption1     =   "Bottom &Right"
      TabCaption2     =   "&Other"
   End
   Begin VNTabCtl tabAlign6
      Left            =   120
      Top             =   3120
      Width           =   3000
      Height          =   1440
      TabCaptionAlign =   6
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   8
      EndProperty
      TabHeight       =   40
      TabWidth        =   96
      NumTabs         =   2
      TabCaption1     =   "Top &Center"
      TabCaption2     =   "&Other"
   End
   Begin VNTabCtl tabAlign7
      Left            =   3180
      Top             =   3120
      Width           =   3000
      Height          =   1440
      TabCaptionAlign =   7
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   8
      EndProperty
      TabHeight       =   40
      TabWidth        =   96
      NumTabs         =   2
      TabCaption1     =   "Middle &Center"
      TabCaption2     =   "&Other"
   End
   Begin VNTabCtl tabAlign8
      Left            =   6240
      Top             =   3120
      Width           =   3000
      Height          =   1440
      TabCaptionAlign =   8
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   8
      EndProperty
      TabHeight       =   40
      TabWidth        =   96
      NumTabs         =   2
      TabCaption1     =   "Bottom &Center"
      TabCaption2     =   "&Other"
   End
End
