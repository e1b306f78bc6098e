import com.nttdocomo.ui.*;

// Plays half a second of MIDI and, when the sound has ended, shows green if
// the listener heard it start and end, in time.
public class Tone extends IApplication implements MediaListener {
    private long started;
    private String heard = "";

    public void start() {
        MediaSound sound = MediaManager.getSound("resource:///tone.mid");
        try {
            sound.use();
        } catch (Exception e) {
            System.out.println("no sound: " + e);
        }
        AudioPresenter presenter = AudioPresenter.getAudioPresenter();
        presenter.setSound(sound);
        presenter.setMediaListener(this);
        started = System.currentTimeMillis();
        presenter.play();
    }

    public void mediaAction(MediaPresenter source, int type, int param) {
        heard += " " + type;
        if (type != AudioPresenter.AUDIO_COMPLETE)
            return;
        long took = System.currentTimeMillis() - started;
        boolean inTime = took >= 450 && took < 5000;
        System.out.println("heard" + heard + (inTime ? " in time" : " after " + took + " ms"));
        final int colour = inTime && heard.equals(" 1 3") ? Graphics.LIME : Graphics.RED;
        Display.setCurrent(new Canvas() {
            public void paint(Graphics g) {
                g.setColor(Graphics.getColorOfName(colour));
                g.fillRect(0, 0, getWidth(), getHeight());
            }
        });
    }
}
