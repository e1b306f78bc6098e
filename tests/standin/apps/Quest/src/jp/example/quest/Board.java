package jp.example.quest;

import com.nttdocomo.ui.*;
import jp.example.quest.parts.Rock;
import jp.example.quest.parts.Score;
import jp.example.quest.parts.Ship;

class Board extends Canvas {
    private final Ship ship;
    private final Rock rock;
    private final Score score;

    Board(Ship ship, Rock rock, Score score) {
        this.ship = ship;
        this.rock = rock;
        this.score = score;
    }

    void step() {
        ship.move(1);
        if (ship.x() == rock.x() - 1)
            score.add(10);
    }

    String describe() {
        return "ship " + ship.x() + " rock " + rock.x() + " score " + score.total();
    }

    public void paint(Graphics g) {
        g.setColor(Graphics.getColorOfName(score.total() > 0 ? Graphics.LIME : Graphics.RED));
        g.fillRect(0, 0, getWidth(), getHeight());
    }
}
