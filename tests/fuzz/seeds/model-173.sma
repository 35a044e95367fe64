7
0, "quoted, with comma"
9, 
13.5, x
15, 
18, x
19.5, x
24.5, span
2
1, 1, 1, span
7
1, 0, "quoted, with comma"
1
2E8, 
1
0.0004, 
6
1, 2, 1, 1, span
3, 2, 1
1, x
3, 4, 1, 1, 
5, 4, 1, 1, span
5, 6, 1, 1, span
6, 7, 1, 1, "quoted, with comma"
2
1, 2, 8, 4, 0.5, 0.5, x
6, 4, 7, -1, 0.5, 0, 

0
