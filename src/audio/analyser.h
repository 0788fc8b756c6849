#pragma once
// TWavWievForm: the speech analyser, a small frameless window in which the learner
// compares a model recording with their own. The model's waveform is drawn in the
// upper view; holding the microphone button records into the lower one, which then
// plays; each view can show its smoothed outline.

#include "audio/record_hold.h"
#include "audio/record_pictures.h"
#include "controls/MyImageList.h"
#include "core/course_state.h"

#include <QImage>
#include <QWidget>
#include <memory>
#include <string>

namespace vimo {

class DragStrip;
class HelpLinks;
class SoundService;
class TFOM_Cb;
class TForm20;
class TMImage;
class TMyWavViewer;
class TTransparentButton;

class TWavWievForm : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{560, 360};
    static constexpr QRect kUpperView{20, 44, 420, 128};
    static constexpr QRect kLowerView{20, 212, 420, 128};
    static constexpr QPoint kModelPlayAt{456, 44};
    static constexpr QPoint kUpperOutlineAt{456, 110};
    static constexpr QPoint kRecordAt{456, 212};
    static constexpr QPoint kOwnPlayAt{506, 212};
    static constexpr QPoint kLowerOutlineAt{456, 278};
    static constexpr QPoint kExitAt{531, 4};
    static constexpr QRect kStrip{0, 0, 520, 32};
    static constexpr const char* kHelpPage = "Htm_r\\h_ana.html";
    static constexpr const char* kBackgroundPicture = "gfx_r\\mowa.bmp";

    // recorder: recorder B, which the sentence recording and the dialogues share.
    TWavWievForm(const CourseState& course, const TMyImageList& buttons, SoundService& sound,
                 HelpLinks& help, TForm20& messages, Recorder& recorder, QWidget* parent = nullptr);
    ~TWavWievForm() override;

    // The entry point of the analyser buttons: forgets this run's own recording, loads
    // the model (a course path) into the upper view and shows the window over the
    // screen, which waits until it is closed.
    void wav_view_open(const std::string& model);

    TMyWavViewer& upper_view() { return *m_upper; }
    TMyWavViewer& lower_view() { return *m_lower; }
    TTransparentButton& model_play_button() { return *m_model_play; }
    TMImage& record_button() { return *m_record; }
    TMImage& own_play_button() { return *m_own_play; }
    TFOM_Cb& upper_outline() { return *m_upper_outline; }
    TFOM_Cb& lower_outline() { return *m_lower_outline; }
    RecordHold& record_hold() { return *m_hold; }
    bool own_recording() const { return m_own_recording; }
    const std::string& model() const { return m_model; }
    const RecordPictures& pictures() const { return m_pictures; }

    // btn_oryginal: the model from its start; btn_odtworz: the learner's take.
    void play_model();
    void play_own();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load_pictures();
    std::string own_take() const;

    const CourseState& m_course;
    SoundService& m_sound;
    HelpLinks& m_help;
    TForm20& m_messages;
    RecordPictures m_pictures;
    QImage m_background;
    TMyWavViewer* m_upper = nullptr;
    TMyWavViewer* m_lower = nullptr;
    TTransparentButton* m_model_play = nullptr;
    TMImage* m_record = nullptr;
    TMImage* m_own_play = nullptr;
    TFOM_Cb* m_upper_outline = nullptr;
    TFOM_Cb* m_lower_outline = nullptr;
    TTransparentButton* m_exit = nullptr;
    DragStrip* m_strip = nullptr;
    RecordHold* m_hold = nullptr;
    std::string m_model;
    bool m_own_recording = false;
};

} // namespace vimo
