7
0, span
1, span
7, span
11, "quoted, with comma"
13, "quoted, with comma"
17, 
19.5, "quoted, with comma"

2
1, 1
1, span
7
1, 0, "quoted, with comma"
2
2.1e+11, "quoted, with comma"
2E8, span
1
0.0004, 
6
1, 2, 1, 1, x
2, 3, 2, 1, 
4, 3, 1, 1, 
4, 5
1, 1, x
5, 6, 2, 1, span
7, 6, 2
1, span
2
1, 1, 1, 6, 0, 0.25, x
4, 4, 10
-2, 0.5, 0.25, span
1
7, -2, 3, x
